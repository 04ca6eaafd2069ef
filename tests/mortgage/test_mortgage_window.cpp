// The mortgage and loan worksheet driven like a user: typing figures, calculating,
// switching views, printing and leaving.
#include <QDialog>
#include <QFile>
#include <QPalette>
#include <QTimer>
#include <cmath>

#include "Colours.h"
#include "LocaleCases.h"
#include "MortgageTestSupport.h"
#include "QtTestMain.h"

namespace {
QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
double money(QString text) {
    return text.remove('$').remove(',').trimmed().toDouble();
}
// The spreadsheet PMT formula: P * i / (1 - (1 + i)^-n).
double pmt(double principal, double rate, int n) {
    return principal * rate / (1 - std::pow(1 + rate, -n));
}
void acceptNextModal() {
    QTimer::singleShot(0,
                       [] { static_cast<QDialog*>(QApplication::activeModalWidget())->accept(); });
}
} // namespace

class TestMortgageWindow : public QObject {
    Q_OBJECT
  private slots:
    void typedFiguresAreStoredAndShown() {
        Sheet s;
        s.ws.tables.ExtraPayments[3][2] = Currency::fromWhole(1000);
        s.ws.tables.ExtraPaymentsInUse = 1;
        s.enter("250000.5", "7.1256", "45"); // a fourth decimal is refused; over forty years
        QCOMPARE(s.messages(), std::vector<int>{5});
        QCOMPARE(s.shown() + "|" + s.stored(),
                 QString("     $250,000.50|         7.125%|              40|250000.5|7.125|40"));
        QVERIFY(s.ws.tables.ExtraPayments[3][2].isZero() &&
                s.ws.tables.ExtraPaymentsInUse == 0); // erased by the term
        s.principal()->setFocus();
        QTest::keyClick(s.principal(), Qt::Key_Return); // Enter moves principal -> rate -> term
        QVERIFY(s.rate()->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(s.term()->hasFocus());

        Sheet loan(2); // loan terms are shown in months and kept in years
        QCOMPARE(
            loan.ws.caption + "|" + loan.shown() + "|" + loan.stored(),
            QString(" Loan Tables|   $20,000.00|         10.125%|            48|20000|10.125|4"));
        const struct {
            const char *typed, *result;
        } terms[] = {{"60", "60|5"}, {"54", "54|4.5"}, {"500", "480|40"}};
        for (const auto& t : terms) {
            loan.type(loan.term(), t.typed);
            QCOMPARE(loan.term()->currentText().trimmed() + "|" + loan.stored().section('|', 2),
                     QString(t.result));
        }
        QCOMPARE(loan.messages(), std::vector<int>{5});
    }

    // The defaults against the spreadsheet PMT (917.53).
    void calculationShowsKnownFigures() {
        Sheet s;
        s.click("MCalc");
        QCOMPARE(s.label("InMonthPI"), QString("     $917.53"));
        QVERIFY(std::abs(money(s.label("AllPayments")) - 300 * pmt(100000, 0.10125 / 12, 300)) <
                0.05);
        QCOMPARE(s.label("EndMortYear").trimmed() + "|" + s.label("PeriodicR"),
                 QString("25.00|0.0084375"));
        // Typed into yellow boxes, shown on green results.
        QCOMPARE(s.principal()->palette().color(QPalette::Base), colours::EntryBackground);
        QCOMPARE(s.rate()->lineEdit()->palette().color(QPalette::Base), colours::EntryBackground);
        QCOMPARE(s.find<QLabel>("InMonthPI")->palette().color(QPalette::Window),
                 colours::ResultBackground);
    }

    void bothViewsListEveryPaymentOrYearAndTheTotal() {
        Sheet s;
        s.click("MCalc");
        QCOMPARE(s.grid()->rows(), 1 + 300 + 1);
        QCOMPARE(s.cells(0, 0, 0) + s.cells(13, 0, 0) + s.cells(300, 0, 0),
                 QString("  Payment   No.  Year   13   2  300  25"));
        // First month: interest 100,000 * 0.10125 / 12 = 843.75, principal 917.53 - 843.75.
        QCOMPARE(s.cells(1, 1, 3), QString("843.75|73.78|99,926.22"));
        QCOMPARE(s.cells(300, 3, 3), QString(".00"));
        QCOMPARE(s.cells(301, 0, 5), "Total:|||$.00|$" + s.cells(300, 4, 4) + "|$100,000.00");
        acceptNextModal(); // the first-payment date as shown; en-US dates as the program pins
        s.click("MDateNumber");
        s.click("MCalc");
        QCOMPARE(s.cells(0, 0, 0) + "|" + s.cells(1, 0, 0) + "|" + s.cells(13, 0, 0),
                 QString(" Payment  Date|1/15/2027|1/15/2028"));
        s.click("MDateNumber"); // back to numbers without a dialog

        QTest::mouseClick(s.find("Option2"), Qt::LeftButton);
        s.click("MCalc");
        QCOMPARE(s.grid()->rows(), 1 + 25 + 1);
        QCOMPARE(s.cells(0, 0, 0) + "|" + s.cells(25, 0, 0).trimmed() + "|" + s.cells(26, 0, 0),
                 QString(" Payment  Year|25|Total:"));

        // An additional 5,000 in year 2 ends the loan early and is listed below the total.
        s.ws.tables.ExtraPayments[2] = {Currency{}, Currency::fromWhole(2),
                                        Currency::fromWhole(5000)};
        s.ws.tables.ExtraPaymentsInUse = 1;
        s.click("MCalc");
        const int last = s.st().ScheduleYears;
        QVERIFY(last < 25);
        QCOMPARE(s.grid()->rows(), last + 6);
        QCOMPARE(s.cells(last + 1, 0, 0), QString("Total:"));
        QCOMPARE(s.cells(last + 4, 1, 3) + s.cells(last + 5, 1, 2),
                 QString("Additional |Payments  |Applied  Year    2|5,000.00"));
    }

    // Every kind of change empties the schedule and the results.
    void anyChangeEmptiesTheSchedule_data() {
        QTest::addColumn<int>("change");
        QTest::newRow("a key in the principal") << 0;
        QTest::newRow("another payment frequency") << 1;
        QTest::newRow("a rate from the list") << 2;
        QTest::newRow("the annual view") << 3;
        QTest::newRow("additional payments confirmed") << 4;
    }
    void anyChangeEmptiesTheSchedule() {
        QFETCH(int, change);
        Sheet s;
        const std::function<void()> changes[] = {
            [&] { s.principal()->setFocus(), QTest::keyClick(s.principal(), Qt::Key_5); },
            [&] { s.find<QComboBox>("FreqPmt")->setCurrentIndex(2); },
            [&] {
                s.rate()->setCurrentIndex(s.rate()->findText("7 ")), emit s.rate()->activated(0);
            },
            [&] { QTest::mouseClick(s.find("Option2"), Qt::LeftButton); },
            [&] { acceptNextModal(), s.click("MAddPrePay"); }};
        s.click("MCalc");
        QVERIFY(s.grid()->rows() > 2);
        changes[change]();
        QVERIFY(s.st().ScheduleYears == 0 && !s.ws.tables.PaymentSchedule.has_value());
        QVERIFY(s.grid()->rows() <= 2 && s.cells(1, 1, 1).isEmpty() &&
                s.label("InMonthPI").isEmpty());
    }

    // After a change printing, saving and graphing refuse until the next calculation; a rate
    // taken from the list is stored.
    void commandsRefuseAfterAChange() {
        Sheet s;
        s.click("MCalc");
        s.type(s.principal(), "5");
        s.rate()->setCurrentIndex(s.rate()->findText("7 ")), emit s.rate()->activated(0);
        QCOMPARE(s.rate()->currentText() + "|" + s.stored(),
                 QString("         7.000%|5|7|25")); // the list choice
        for (const char* command : {"MPrinter", "MSaveFile", "MGraphs"})
            s.click(command);
        QCOMPARE(s.messages(), (std::vector<int>{1, 15, 2}));
        QCOMPARE(s.ws.scripted.calls.size(), size_t{3}); // no header or file dialog opened
        s.type(s.rate(), "0");                           // a zero rate cannot be calculated
        s.click("MCalc");
        QCOMPARE(s.messages(), (std::vector<int>{1, 15, 2, 3}));
    }

    // Amounts typed into "Additional Payments" and then left with Escape are not used:
    // the schedule, the number in use (what the file stores) and the printout agree.
    void additionalPaymentsLeftWithEscapeAreNotApplied() {
        Sheet s;
        QTimer::singleShot(0, [] {
            auto* grid = QApplication::activeModalWidget()->findChild<Grid*>("PGrid");
            for (const auto& [row, amount] : {std::pair(1, "1000"), std::pair(2, "500.5")}) {
                grid->setCurrentCell(row, 1);
                QTest::keyClicks(grid, amount);
                QTest::keyClick(grid, Qt::Key_Return);
            }
            QTest::keyClick(grid, Qt::Key_Escape);
        });
        s.click("MAddPrePay");
        s.click("MCalc");
        QVERIFY(s.ws.tables.ExtraPayments[1][2].isZero() &&
                s.ws.tables.ExtraPayments[2][2].isZero());
        QCOMPARE(int(s.ws.tables.ExtraPaymentsInUse), 0);
        QCOMPARE(s.grid()->rows(), 1 + 300 + 1); // no additional-payment rows below the total
        QCOMPARE(s.cells(1, 1, 3), QString("843.75|73.78|99,926.22")); // as without payments
        s.ws.scripted.headers = {"x"};
        s.click("MPrinter");
        QVERIFY(!QString::fromStdString(s.ws.capture.documents.at(0)).contains("Additional"));
    }

    // A principal beyond the currency range (922,337,203,685,477.5807), or one whose schedule
    // overflows it, is message 3 with no results; a figure in range calculates again.
    void overflowingPrincipalIsMessage3WithoutResults() {
        const struct {
            const char* typed;
            bool calculates;
        } rows[] = {{"999999999999999", false}, {"922337203685477", false}, {"250000", true}};
        Sheet s;
        std::vector<int> expected;
        for (const auto& row : rows) {
            s.type(s.principal(), row.typed);
            s.click("MCalc");
            if (!row.calculates)
                expected.push_back(3);
            QCOMPARE(s.messages(), expected);
            QCOMPARE(s.st().ScheduleYears != 0, row.calculates);
            QCOMPARE(s.grid()->rows() > 2, row.calculates);
            QCOMPARE(s.label("InMonthPI").isEmpty(), !row.calculates);
        }
    }

    // Under other systems' signs the period key types the system's point; entries, results
    // and grid show the system's signs; the saved file is the one saved under the pinned
    // signs; an opened reference file prints its reference printout with the figures in the
    // system's signs.
    void figuresFollowTheSystemLocale() {
        const QString golden = QStringLiteral(PECUNEX_SOURCE_DIR "/tests/golden/");
        const QString printout =
            QString::fromUtf8(readAll(golden + "mortgage-20y-annual.expected.txt"));
        auto saved = [](Sheet& s) {
            s.enter("150000.5", "6.375", "25");
            s.click("MCalc");
            const QString file = s.ws.folder.filePath("plan.umd");
            s.ws.scripted.fileNames = {file.toStdString()};
            s.click("MSaveFile");
            return readAll(file);
        };
        const QByteArray pinned = [&] {
            Sheet s;
            return saved(s);
        }();
        QVERIFY(pinned.startsWith("150000.5,6.375,25,"));
        for (const locales::Case& c : locales::Cases) {
            const locales::Scope scope(c.locale);
            Sheet s;
            QCOMPARE(saved(s), pinned);
            QCOMPARE(s.stored(), QString("150000.5|6.375|25"));
            QCOMPARE(s.shown(), locales::inLocale(
                                    c.locale, "     $150,000.50|         6.375%|              25"));
            // Spreadsheet PMT(0.06375/12, 300, -150000.5) = 1,001.129; first interest P * i =
            // 796.878.
            QCOMPARE(s.label("InMonthPI").trimmed() + "|" + s.cells(1, 1, 3),
                     locales::inLocale(c.locale, "$1,001.13|796.88|204.25|149,796.25"));
            s.ws.scripted.fileNames = {(golden + "mortgage-20y-annual.umd").toStdString()};
            s.ws.scripted.headers = {"Example: 20-year mortgage, annual totals"};
            s.st().PrinterFontChoice = 0;
            s.click("MLoadFile");
            s.click("MPrinter");
            QVERIFY2(s.messages().empty(), c.name);
            QCOMPARE(s.ws.capture.documents.size(), size_t{1});
            QCOMPARE(QString::fromStdString(s.ws.capture.documents.front()),
                     locales::figuresInLocale(c.locale, printout));
        }
    }

    void printingWritesTheScheduleReportAndExitErasesTheTables() {
        Sheet s;
        QTest::mouseClick(s.find("Option2"), Qt::LeftButton);
        s.click("MCalc");
        s.ws.scripted.headers = {"Smith house", "1"}; // the second header dialog is cancelled
        s.click("MPrinter");
        s.click("MPrinter");
        QCOMPARE(s.ws.capture.documents.size(), size_t{1});
        const QString doc = QString::fromStdString(s.ws.capture.documents.front());
        QVERIFY(doc.startsWith("\n Smith house\n") &&
                doc.contains("                               Mortgage Table"));
        QVERIFY(doc.contains(" $100,000.00    10.125%       25"));
        QVERIFY(doc.contains("\n Total:") && doc.contains(s.cells(25, 5, 5)));
        s.click("MGraphs");
        QCOMPARE(s.st().GraphSource, std::int16_t{4});
        s.ws.tables.ExtraPayments[1][2] = Currency::fromWhole(10); // leaving erases the tables
        s.click("MExit");
        QCOMPARE(s.ws.menuShown, 1);
        QVERIFY(!s.ws.tables.PaymentSchedule.has_value() && s.ws.tables.LoanInputs[1].isZero());
        QVERIFY(s.ws.tables.ExtraPayments[1][2].isZero() && !s.window->isVisible());
    }
};

PECUNEX_QTEST_MAIN(TestMortgageWindow)
#include "test_mortgage_window.moc"
