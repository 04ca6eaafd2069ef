#include "Platform.h"
#include "QtTestMain.h"
#include "SystemLocale.h"

// Day numbers below are the spreadsheet's DATE(y, m, d) values (days since 30 Dec 1899).
// (Twips to pixels and back are pinned by the container's and the dialogs' placement tests.)
class ServicesTest : public QObject {
    Q_OBJECT
  private slots:
    // Separators and short dates (with the century) follow the system, today's date too; dates
    // are read in the system's short form, ISO and month/day/year; impossible dates are not.
    void conventions() {
        const QLocale us{QLocale::English, QLocale::UnitedStates},
            de{QLocale::German, QLocale::Germany}, uk{QLocale::English, QLocale::UnitedKingdom};
        const struct {
            QLocale locale;
            const char *separators, *text;
            int serial; // 0: not a date
            bool shown; // the system's short form of that day
        } rows[] = {{us, ".,", "1/15/2027", 46402, true},
                    {us, ".,", "12/31/29", 47483, false}, // two-digit years: 2000-2029
                    {us, ".,", "3/4/45", 16500, false},   // and 1930-1999
                    {us, ".,", "  2027-01-15 ", 46402, false},
                    {us, ".,", "2/30/2027", 0, false},
                    {de, ",.", "15.01.2027", 46402, true},
                    {de, ",.", "15.01.27", 46402, false},
                    {de, ",.", "1/15/2027", 46402, false},
                    {uk, ".,", "29/02/2024", 45351, true},
                    {uk, ".,", "13/13/2027", 0, false}};
        for (const auto& row : rows) {
            QLocale::setDefault(row.locale);
            const NumberSeparators s = platform::systemSeparators();
            QCOMPARE(QString::fromStdString(s.decimalPoint + s.thousands), row.separators);
            QCOMPARE(platform::parseDate(row.text).value_or(0), row.serial);
            if (row.shown)
                QCOMPARE(platform::shortDate(row.serial), row.text);
        }
        QLocale::setDefault(us);
        QCOMPARE(platform::shortDate(platform::today()),
                 QDate::currentDate().toString("M/d/yyyy").toStdString());
    }
};

PECUNEX_QTEST_MAIN(ServicesTest)
#include "test_services.moc"
