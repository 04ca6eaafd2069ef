#include <QClipboard>
#include <QGuiApplication>
#include <QLocale>
#include <QtTest/QTest>

#include "Platform.h"
#include "QtTestMain.h"
#include "SystemLocale.h"

// Day numbers below are the spreadsheet's DATE(y, m, d) values (days since 30 Dec 1899).
class ServicesTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        platform::setBeepHook({});
    }

    void twipsAtNinetySixDpi() {
        // 15 twips to a pixel: the container's 9615 x 6810 twips are 641 x 454 pixels.
        QCOMPARE(platform::twipsToPixels(9615), 641);
        QCOMPARE(platform::twipsToPixels(6810), 454);
        QCOMPARE(platform::twipsToPixels(1200), 80);
        // Placement offsets left of and above the area stay negative.
        QCOMPARE(platform::twipsToPixels(-60), -4);
        QCOMPARE(platform::twipsToPixels(-25), -2);
        QCOMPARE(platform::pixelsToTwips(567), 8505);
        QCOMPARE(platform::pixelsToTwips(566), 8490);
        QCOMPARE(platform::pixelsToTwips(-4), -60);
    }

    void beepGoesToTheHook() {
        int beeps = 0;
        platform::setBeepHook([&beeps] { ++beeps; });
        platform::beep();
        platform::beep();
        QCOMPARE(beeps, 2);
    }

    void clipboardIsEmptied() {
        QGuiApplication::clipboard()->setText(QStringLiteral("1234.56"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1234.56"));
        platform::clearClipboard();
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
    }

    void separatorsFollowTheLocale() {
        NumberSeparators us = platform::systemSeparators();
        QCOMPARE(us.decimalPoint, std::string("."));
        QCOMPARE(us.thousands, std::string(","));
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        NumberSeparators de = platform::systemSeparators();
        QCOMPARE(de.decimalPoint, std::string(","));
        QCOMPARE(de.thousands, std::string("."));
    }

    void shortDateKeepsTheCentury() {
        // The US short form has a two-digit year; dates are shown with all four digits.
        QCOMPARE(platform::shortDate(46402), std::string("1/15/2027"));
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(platform::shortDate(46402), std::string("15.01.2027"));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        QCOMPARE(platform::shortDate(45351), std::string("29/02/2024"));
    }

    void parseDateAcceptsEveryForm_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("serial");
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        const QLocale de(QLocale::German, QLocale::Germany);
        const QLocale uk(QLocale::English, QLocale::UnitedKingdom);
        QTest::newRow("us short form") << us << "1/15/2027" << 46402;
        QTest::newRow("us two-digit year, 20xx") << us << "12/31/29" << 47483;
        QTest::newRow("us two-digit year, 19xx") << us << "3/4/45" << 16500;
        QTest::newRow("iso") << us << "2027-01-15" << 46402;
        QTest::newRow("blanks around") << us << "  2027-01-15 " << 46402;
        QTest::newRow("german short form") << de << "15.01.2027" << 46402;
        QTest::newRow("german two-digit year") << de << "15.01.27" << 46402;
        QTest::newRow("old file m/d/y under german") << de << "1/15/2027" << 46402;
        QTest::newRow("iso under german") << de << "2024-02-29" << 45351;
        // Day first where the system writes the day first.
        QTest::newRow("uk short form") << uk << "04/03/1945" << 16500;
    }

    void parseDateAcceptsEveryForm() {
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QFETCH(int, serial);
        QLocale::setDefault(locale);
        const auto parsed = platform::parseDate(text.toStdString());
        QVERIFY(parsed.has_value());
        QCOMPARE(*parsed, serial);
    }

    void parseDateRefusesWhatIsNoDate() {
        for (const char* text : {"", "tomorrow", "2/30/2027", "13/13/2027", "2027-02-30"})
            QVERIFY2(!platform::parseDate(text).has_value(), text);
    }

    void todayRoundTripsThroughTheShortForm() {
        const int today = platform::today();
        const QDate now = QDate::currentDate();
        QCOMPARE(platform::shortDate(today), QLocale().toString(now, QStringLiteral("M/d/yyyy")).toStdString());
        QCOMPARE(platform::parseDate(platform::shortDate(today)), std::optional<int>(today));
    }
};

PECUNEX_QTEST_MAIN(ServicesTest)
#include "test_services.moc"
