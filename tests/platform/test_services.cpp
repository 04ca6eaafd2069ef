#include <QtTest/QTest>

#include "Platform.h"
#include "QtTestMain.h"
#include "SystemLocale.h"

// Day numbers below are the spreadsheet's DATE(y, m, d) values (days since 30 Dec 1899).
class ServicesTest : public QObject {
    Q_OBJECT
    const QLocale us{QLocale::English, QLocale::UnitedStates},
        de{QLocale::German, QLocale::Germany}, uk{QLocale::English, QLocale::UnitedKingdom};

  private slots:
    // 15 twips to a pixel at 96 dpi; offsets left of or above the area stay negative.
    void twips() {
        for (const auto& [tw, px] :
             {std::pair{9615, 641}, {6810, 454}, {1200, 80}, {-60, -4}, {-25, -2}})
            QCOMPARE(platform::twipsToPixels(tw), px);
        for (const auto& [px, tw] : {std::pair{567, 8505}, {566, 8490}, {-4, -60}})
            QCOMPARE(platform::pixelsToTwips(px), tw);
    }

    // Separators and short dates (with the century) follow the system; dates are read in the
    // system's short form, ISO and month/day/year; impossible dates are not.
    void conventions() {
        const struct {
            const QLocale& locale;
            const char *separators, *text;
            int serial;
            bool shown;
        } rows[] = {
            {us, ".,", "1/15/2027", 46402, true},  {us, ".,", "12/31/29", 47483, false},
            {us, ".,", "3/4/45", 16500, false},    {us, ".,", "  2027-01-15 ", 46402, false},
            {de, ",.", "15.01.2027", 46402, true}, {de, ",.", "15.01.27", 46402, false},
            {de, ",.", "1/15/2027", 46402, false}, {de, ",.", "2024-02-29", 45351, false},
            {uk, ".,", "29/02/2024", 45351, true}, {uk, ".,", "04/03/1945", 16500, false}};
        for (const auto& row : rows) {
            QLocale::setDefault(row.locale);
            const NumberSeparators s = platform::systemSeparators();
            QCOMPARE(s.decimalPoint + s.thousands, row.separators);
            QCOMPARE(platform::parseDate(row.text), std::optional<int>(row.serial));
            if (row.shown)
                QCOMPARE(platform::shortDate(row.serial), row.text);
        }
        for (const char* text : {"", "tomorrow", "2/30/2027", "13/13/2027", "2027-02-30"})
            QVERIFY2(!platform::parseDate(text).has_value(), text);
        QLocale::setDefault(us);
        QCOMPARE(platform::shortDate(platform::today()),
                 QDate::currentDate().toString("M/d/yyyy").toStdString());
    }
};

PECUNEX_QTEST_MAIN(ServicesTest)
#include "test_services.moc"
