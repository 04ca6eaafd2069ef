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
    void twips_data() {
        QTest::addColumn<bool>("toPixels");
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("container width") << true << 9615 << 641;
        QTest::newRow("container height") << true << 6810 << 454;
        QTest::newRow("large layout offset") << true << 1200 << 80;
        QTest::newRow("worksheet left") << true << -60 << -4;
        QTest::newRow("menu left") << true << -25 << -2;
        QTest::newRow("back: layout boundary") << false << 8505 << 567;
        QTest::newRow("back: below it") << false << 8490 << 566;
        QTest::newRow("back: negative") << false << -60 << -4;
    }
    void twips() {
        QFETCH(bool, toPixels);
        QFETCH(int, twips);
        QFETCH(int, pixels);
        if (toPixels)
            QCOMPARE(platform::twipsToPixels(twips), pixels);
        else
            QCOMPARE(platform::pixelsToTwips(pixels), twips);
    }

    // Separators and short dates (with the century) follow the system; dates are read in the
    // system's short form, ISO and month/day/year; impossible dates are not.
    void conventions_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("separators");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("serial");
        QTest::addColumn<bool>("shown");
        QTest::newRow("us short") << us << ".,"
                                  << "1/15/2027" << 46402 << true;
        QTest::newRow("us two-digit year, 2029") << us << ".,"
                                                 << "12/31/29" << 47483 << false;
        QTest::newRow("us two-digit year, 1945") << us << ".,"
                                                 << "3/4/45" << 16500 << false;
        QTest::newRow("us ISO with blanks") << us << ".,"
                                            << "  2027-01-15 " << 46402 << false;
        QTest::newRow("de short") << de << ",."
                                  << "15.01.2027" << 46402 << true;
        QTest::newRow("de two-digit year") << de << ",."
                                           << "15.01.27" << 46402 << false;
        QTest::newRow("de month/day/year") << de << ",."
                                           << "1/15/2027" << 46402 << false;
        QTest::newRow("de ISO, leap day") << de << ",."
                                          << "2024-02-29" << 45351 << false;
        QTest::newRow("uk short, leap day") << uk << ".,"
                                            << "29/02/2024" << 45351 << true;
        QTest::newRow("uk short, 1945") << uk << ".,"
                                        << "04/03/1945" << 16500 << false;
    }
    void conventions() {
        QFETCH(QLocale, locale);
        QFETCH(QString, separators);
        QFETCH(QString, text);
        QFETCH(int, serial);
        QFETCH(bool, shown);
        QLocale::setDefault(locale);
        const NumberSeparators s = platform::systemSeparators();
        QCOMPARE(QString::fromStdString(s.decimalPoint + s.thousands), separators);
        QCOMPARE(platform::parseDate(text.toStdString()), std::optional<int>(serial));
        if (shown)
            QCOMPARE(QString::fromStdString(platform::shortDate(serial)), text);
        QLocale::setDefault(us);
    }

    // Impossible dates are not read.
    void impossibleDates_data() {
        QTest::addColumn<QString>("text");
        for (const char* text : {"", "tomorrow", "2/30/2027", "13/13/2027", "2027-02-30"})
            QTest::newRow(*text ? text : "empty") << QString(text);
    }
    void impossibleDates() {
        QFETCH(QString, text);
        QVERIFY(!platform::parseDate(text.toStdString()).has_value());
    }

    // Today in the system's short form.
    void today() {
        QLocale::setDefault(us);
        QCOMPARE(platform::shortDate(platform::today()),
                 QDate::currentDate().toString("M/d/yyyy").toStdString());
    }
};

PECUNEX_QTEST_MAIN(ServicesTest)
#include "test_services.moc"
