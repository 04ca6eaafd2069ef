// The mortgage and loan worksheet driven like a user: typing figures, choosing list
// entries, calculating, switching views, printing, quick help and leaving.
#include <QPlainTextEdit>
#include <QRadioButton>
#include <cmath>

#include "Dates.h"
#include "MortgageTestSupport.h"
#include "QtTestMain.h"
#include "SystemLocale.h"

namespace {
double money(const QString& text) {
    QString digits = text.trimmed();
    digits.remove('$').remove(',');
    return digits.toDouble();
}
// Payment of an annuity: P * i / (1 - (1 + i)^-n), the spreadsheet PMT formula.
double pmt(double principal, double rate, int payments) {
    return principal * rate / (1 - std::pow(1 + rate, -payments));
}
} // namespace

class TestMortgageWindow : public QObject {
    Q_OBJECT
private slots:
    void opensWithTheModesTextsAndDefaults_data();
    void opensWithTheModesTextsAndDefaults();
    void coloursTellEntriesFromResults();

    void typedPrincipalIsStoredAndFormatted();
    void rateTakesThreeDecimals();
    void mortgageTermAboveFortyYearsIsCapped();
    void loanTermIsKeptInYearsAndShownInMonths();
    void choosingListEntriesStoresThem();
    void enterMovesPrincipalRateTerm();
    void changingTheTermErasesAdditionalPayments();

    void calculationShowsIndependentFigures();
    void semiannualCompoundingMatchesTheReferencePrintout();
    void gridHoldsEveryPaymentAndTheTotal();
    void annualViewHasOneRowAYear();
    void dateViewShowsPaymentDates();
    void appliedAdditionalPaymentsAreListedBelowTheTotal();
    void anyChangeClearsTheSchedule();
    void failedCalculationShowsItsMessage();

    void printingWritesTheScheduleReport();
    void printingAndGraphingRefuseWithoutASchedule();
    void quickHelpTogglesTheTextAndButtons();
    void exitErasesTablesAndShowsMenu();
};

void TestMortgageWindow::opensWithTheModesTextsAndDefaults_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("principal");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QStringList>("terms");
    QTest::addColumn<double>("storedYears");
    QTest::newRow("mortgage") << 1 << " Mortgage Tables" << "   $100,000.00" << "        10.125%"
                              << QStringList{"25", "30", "40"} << 25.0;
    QTest::newRow("loan") << 2 << " Loan Tables" << "   $20,000.00" << "         10.125%"
                          << QStringList{"24", "36", "48", "60"} << 4.0;
}

void TestMortgageWindow::opensWithTheModesTextsAndDefaults() {
    QFETCH(int, mode);
    Sheet s(mode);
    QTEST(s.ws.caption, "caption");
    QTEST(s.principal()->text(), "principal");
    QTEST(s.rate()->currentText(), "rate");
    QCOMPARE(s.term()->currentText(), QString(mode == 1 ? "            25" : "            48"));
    QStringList terms;
    for (int i = 0; i < s.term()->count(); ++i) terms << s.term()->itemText(i);
    QTEST(terms, "terms");
    QCOMPARE(s.rate()->itemText(0), QString("6 "));
    QCOMPARE(s.find<QComboBox>("Comperiod")->currentText(), QString("      Monthly"));
    QCOMPARE(s.find<QComboBox>("FreqPmt")->itemText(4), QString(" Biweekly(Acc)"));
    // The shown defaults are what a calculation uses.
    QCOMPARE(s.ws.shared.LoanInputs[1].toDouble(), mode == 1 ? 100000.0 : 20000.0);
    QCOMPARE(s.ws.shared.LoanInputs[2].toDouble(), 10.125);
    QFETCH(double, storedYears);
    QCOMPARE(s.ws.shared.LoanInputs[3].toDouble(), storedYears);
    QCOMPARE(s.ws.shared.DaysChoice, std::int16_t{1});
    QCOMPARE(s.grid()->text(0, 0), QString("  Payment   No.  Year"));
    QCOMPARE(s.grid()->text(0, 5), QString("Cumulative Principal"));
    QCOMPARE(s.find<QPushButton>("MDateNumber")->text(), QString("&View payment date"));
    QVERIFY(s.find<QRadioButton>("Option1")->isChecked());
}

void TestMortgageWindow::coloursTellEntriesFromResults() {
    Sheet s;
    const QColor entry = s.principal()->palette().color(QPalette::Base);
    QVERIFY(entry.red() > 200 && entry.green() > 200 && entry.blue() < 180);  // yellow
    QCOMPARE(s.rate()->lineEdit()->palette().color(QPalette::Base), entry);
    auto* result = s.find<QLabel>("AllPayments");
    const QColor green = result->palette().color(QPalette::Window);
    QVERIFY(result->autoFillBackground());
    QVERIFY(green.green() > 200 && green.red() < 200 && green.blue() < 200);
    QVERIFY(result->alignment() & Qt::AlignRight);
}

void TestMortgageWindow::typedPrincipalIsStoredAndFormatted() {
    Sheet s;
    s.type(s.principal(), "250000.5");
    QCOMPARE(s.ws.shared.LoanInputs[1], Currency::fromDouble(250000.5).value());
    QCOMPARE(s.principal()->text(), QString("     $250,000.50"));  // 16 characters
}

void TestMortgageWindow::rateTakesThreeDecimals() {
    Sheet s;
    s.type(s.rate(), "7.1256");  // the fourth decimal is refused
    QCOMPARE(s.ws.shared.LoanInputs[2], Currency::fromDouble(7.125).value());
    QCOMPARE(s.rate()->currentText(), QString("         7.125%"));
}

void TestMortgageWindow::mortgageTermAboveFortyYearsIsCapped() {
    Sheet s;
    s.type(s.term(), "45");
    QCOMPARE(s.ws.scripted.messages(), std::vector<int>{5});
    QCOMPARE(s.term()->currentText().trimmed(), QString("40"));
    QCOMPARE(s.term()->currentText().size(), 16);
    QCOMPARE(s.ws.shared.LoanInputs[3].toDouble(), 40.0);
    s.type(s.term(), "4x0");  // letters never reach the field
    QCOMPARE(s.ws.shared.LoanInputs[3].toDouble(), 40.0);
}

void TestMortgageWindow::loanTermIsKeptInYearsAndShownInMonths() {
    Sheet s(2);
    s.type(s.term(), "60");
    QCOMPARE(s.ws.shared.LoanInputs[3].toDouble(), 5.0);
    QCOMPARE(s.term()->currentText().trimmed(), QString("60"));
    s.type(s.term(), "500");  // over 480 months
    QCOMPARE(s.ws.scripted.messages(), std::vector<int>{5});
    QCOMPARE(s.term()->currentText().trimmed(), QString("480"));
    QCOMPARE(s.ws.shared.LoanInputs[3].toDouble(), 40.0);
    s.type(s.term(), "54");  // 4.5 years, kept to four decimals
    QCOMPARE(s.ws.shared.LoanInputs[3].toDouble(), 4.5);
}

void TestMortgageWindow::choosingListEntriesStoresThem() {
    Sheet s(2);
    s.click("MCalc");
    QVERIFY(s.ws.shared.ScheduleYears > 0);
    s.choose(s.rate(), "7 ");
    QCOMPARE(s.ws.shared.LoanInputs[2].toDouble(), 7.0);
    QCOMPARE(s.rate()->currentText(), QString("         7.000%"));
    QCOMPARE(s.ws.shared.ScheduleYears, std::int16_t{0});
    s.choose(s.term(), "36");
    QCOMPARE(s.ws.shared.LoanInputs[3].toDouble(), 3.0);
    QCOMPARE(s.term()->currentText().trimmed(), QString("36"));
}

void TestMortgageWindow::enterMovesPrincipalRateTerm() {
    Sheet s;
    s.principal()->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(s.principal(), "5000");
    QTest::keyClick(s.principal(), Qt::Key_Return);
    QVERIFY(s.rate()->hasFocus());
    QCOMPARE(s.ws.shared.LoanInputs[1].toDouble(), 5000.0);
    QVERIFY(!s.principal()->text().contains('\n'));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(s.term()->hasFocus());
}

void TestMortgageWindow::changingTheTermErasesAdditionalPayments() {
    Sheet s;
    s.ws.shared.ExtraPayments[3][1] = Currency::fromWhole(3);
    s.ws.shared.ExtraPayments[3][2] = Currency::fromWhole(1000);
    s.ws.shared.ExtraPaymentsInUse = 1;
    s.type(s.term(), "30");
    QVERIFY(s.ws.shared.ExtraPayments[3][2].isZero());
    QCOMPARE(s.ws.shared.ExtraPaymentsInUse, std::int16_t{0});
}

void TestMortgageWindow::calculationShowsIndependentFigures() {
    // Defaults: 100,000 at 10.125 %, monthly compounding and payments, 25 years.
    Sheet s;
    s.click("MCalc");
    const double payment = pmt(100000, 0.10125 / 12, 300);  // spreadsheet PMT: 917.53
    QCOMPARE(s.label("InMonthPI").trimmed(), QString("$917.53"));
    QCOMPARE(s.label("InMonthPI").size(), 12);
    QVERIFY(std::abs(money(s.label("AllPayments")) - 300 * payment) < 0.05);
    QCOMPARE(s.label("NumPmtsYear").trimmed(), QString("12"));
    QCOMPARE(s.label("EndMortYear").trimmed(), QString("25.00"));
    QCOMPARE(s.label("InDays"), QString("Normal"));
    QCOMPARE(s.label("PeriodicR"), QString("0.0084375"));  // 0.10125 / 12
    QCOMPARE(s.label("TotSavd").trimmed(), QString("$.00"));
    QCOMPARE(s.ws.shared.ScheduleYears, std::int16_t{300});
    QCOMPARE(s.ws.shared.SchedulePaymentsPerYear, std::int16_t{12});
    QCOMPARE(s.ws.shared.YearsToFinal, 25.0f);
    QCOMPARE(s.ws.shared.GraphTitle, std::string("Mortgage balance at start of each Year"));

    // The same loan in loan mode: the final payment is counted in months.
    Sheet loan(2);
    loan.type(loan.principal(), "100000");
    loan.type(loan.term(), "300");
    loan.click("MCalc");
    QCOMPARE(loan.label("InMonthPI").trimmed(), QString("$917.53"));
    QCOMPARE(loan.label("EndMortYear").trimmed(), QString("300.00"));
    QCOMPARE(loan.ws.shared.GraphTitle, std::string("Personal Loan balance at start of each Year"));
}

void TestMortgageWindow::semiannualCompoundingMatchesTheReferencePrintout() {
    // 120,000 at 6.5 %, semi-annual compounding, 20 years: $888.60 a month and
    // $213,264.12 in all in the reference printout; the closed form agrees.
    Sheet s;
    s.type(s.principal(), "120000");
    s.type(s.rate(), "6.5");
    s.type(s.term(), "20");
    s.find<QComboBox>("Comperiod")->setCurrentText("   Semiannual");
    s.click("MCalc");
    const double monthly = std::pow(1.0325, 1.0 / 6) - 1;
    QCOMPARE(s.label("InMonthPI").trimmed(), QString("$888.60"));
    QVERIFY(std::abs(pmt(120000, monthly, 240) - 888.60) < 0.005);
    QCOMPARE(s.label("AllPayments").trimmed(), QString("$213,264.12"));
    QCOMPARE(s.label("PeriodicR"), QString("0.00534474"));
}

void TestMortgageWindow::gridHoldsEveryPaymentAndTheTotal() {
    Sheet s;
    s.click("MCalc");
    Grid* g = s.grid();
    QCOMPARE(g->rows(), 1 + 300 + 1);
    QCOMPARE(g->text(0, 0), QString("  Payment   No.  Year"));
    QCOMPARE(g->text(1, 0), QString("    1   1"));
    QCOMPARE(g->text(13, 0), QString("   13   2"));
    QCOMPARE(g->text(300, 0), QString("  300  25"));
    // First month: interest 100,000 * 0.10125 / 12 = 843.75, principal 917.53 - 843.75.
    QCOMPARE(g->text(1, 1), QString("843.75"));
    QCOMPARE(g->text(1, 2), QString("73.78"));
    QCOMPARE(g->text(1, 3), QString("99,926.22"));
    QCOMPARE(g->text(300, 3), QString(".00"));
    QCOMPARE(g->text(301, 0), QString("Total:"));
    QCOMPARE(g->text(301, 3), QString("$.00"));
    QCOMPARE(g->text(301, 5), QString("$100,000.00"));
    QCOMPARE(g->text(301, 4), "$" + g->text(300, 4));
    QCOMPARE(g->rowAt(0), 0);  // scrolled to the top
}

void TestMortgageWindow::annualViewHasOneRowAYear() {
    Sheet s;
    QTest::mouseClick(s.find<QRadioButton>("Option2"), Qt::LeftButton);
    QCOMPARE(s.ws.shared.ScheduleView, std::int16_t{1});
    s.click("MCalc");
    Grid* g = s.grid();
    QCOMPARE(g->rows(), 1 + 25 + 1);
    QCOMPARE(g->text(0, 0), QString(" Payment  Year"));
    QCOMPARE(g->text(25, 0).trimmed(), QString("25"));
    QCOMPARE(g->text(26, 0), QString("Total:"));
    QCOMPARE(s.ws.shared.ScheduleYears, std::int16_t{25});
    // A year's interest and principal add up to twelve payments.
    const double year1 = money(g->text(1, 1)) + money(g->text(1, 2));
    QVERIFY(std::abs(year1 - 12 * pmt(100000, 0.10125 / 12, 300)) < 0.05);
}

void TestMortgageWindow::dateViewShowsPaymentDates() {
    Sheet s;
    onNextModal([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
    s.click("MDateNumber");
    QCOMPARE(s.ws.shared.DateView, std::int16_t{1});
    QCOMPARE(s.find<QPushButton>("MDateNumber")->text(), QString("&View payment No."));
    s.click("MCalc");
    const int first = *platform::parseDate(s.ws.shared.TodayDate);
    QCOMPARE(s.grid()->text(0, 0), QString(" Payment  Date"));
    QCOMPARE(s.grid()->text(1, 0), QString::fromStdString(platform::shortDate(first)));
    QCOMPARE(s.grid()->text(13, 0), QString::fromStdString(platform::shortDate(addMonths(first, 12))));
    s.click("MDateNumber");  // back to numbers, no dialog
    QCOMPARE(s.ws.shared.DateView, std::int16_t{0});
    QCOMPARE(s.ws.shared.ScheduleYears, std::int16_t{0});
}

void TestMortgageWindow::appliedAdditionalPaymentsAreListedBelowTheTotal() {
    Sheet s;
    QTest::mouseClick(s.find<QRadioButton>("Option2"), Qt::LeftButton);
    s.ws.shared.ExtraPayments[2] = {Currency{}, Currency::fromWhole(2), Currency::fromWhole(5000)};
    s.ws.shared.ExtraPaymentsInUse = 1;
    s.click("MCalc");
    Grid* g = s.grid();
    const int last = s.ws.shared.ScheduleYears;
    QVERIFY(last < 25);  // the extra 5,000 ends the loan early
    QCOMPARE(g->text(last + 1, 0), QString("Total:"));
    QCOMPARE(g->text(last + 4, 1), QString("Additional "));
    QCOMPARE(g->text(last + 4, 2), QString("Payments  "));
    QCOMPARE(g->text(last + 4, 3), QString("Applied  "));
    QCOMPARE(g->text(last + 5, 1), QString("Year    2"));
    QCOMPARE(g->text(last + 5, 2), QString("5,000.00"));
    QCOMPARE(g->rows(), last + 6);
}

void TestMortgageWindow::anyChangeClearsTheSchedule() {
    Sheet s;
    auto calculated = [&] {
        s.click("MCalc");
        QVERIFY(s.ws.shared.ScheduleYears > 0);
        QVERIFY(s.grid()->rows() > 2);
    };
    auto cleared = [&](const char* what) {
        QVERIFY2(s.ws.shared.ScheduleYears == 0, what);
        QVERIFY2(!s.ws.shared.PaymentSchedule.has_value(), what);
        QVERIFY2(s.grid()->rows() <= 2 && s.grid()->text(1, 1).isEmpty(), what);
        QVERIFY2(s.label("InMonthPI").isEmpty(), what);
    };
    calculated();
    s.principal()->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(s.principal(), Qt::Key_5);  // the first key is a change
    cleared("key");
    calculated();
    s.find<QComboBox>("FreqPmt")->setCurrentIndex(2);
    cleared("frequency list");
    calculated();
    QTest::mouseClick(s.find<QRadioButton>("Option2"), Qt::LeftButton);
    cleared("view option");
    calculated();
    onNextModal([](QWidget* d) { static_cast<QDialog*>(d)->accept(); });
    s.click("MAddPrePay");
    cleared("additional payments");

    // With nothing calculated the commands that need a schedule refuse.
    s.click("MPrinter");
    s.click("MSaveFile");
    s.click("MGraphs");
    QCOMPARE(s.ws.scripted.messages(), (std::vector<int>{1, 15, 2}));
}

void TestMortgageWindow::failedCalculationShowsItsMessage() {
    Sheet s;
    s.type(s.rate(), "0");  // a zero rate divides by zero
    s.click("MCalc");
    QCOMPARE(s.ws.scripted.messages(), std::vector<int>{3});
    QCOMPARE(s.ws.shared.ScheduleYears, std::int16_t{0});
}

void TestMortgageWindow::printingWritesTheScheduleReport() {
    Sheet s;
    QTest::mouseClick(s.find<QRadioButton>("Option2"), Qt::LeftButton);
    s.click("MCalc");
    s.ws.scripted.headers.push_back("Smith house");
    s.click("MPrinter");
    QCOMPARE(s.ws.capture.documents.size(), size_t{1});
    const QString doc = QString::fromStdString(s.ws.capture.documents.front());
    QVERIFY(doc.startsWith("\n Smith house\n"));
    QVERIFY(doc.contains("                               Mortgage Table"));
    QVERIFY(doc.contains(" $100,000.00    10.125%       25"));
    QVERIFY(doc.contains("\n Total:"));
    QVERIFY(doc.contains(s.grid()->text(25, 5)));

    s.ws.scripted.headers.push_back("1");  // cancelled header: nothing printed
    s.click("MPrinter");
    QCOMPARE(s.ws.capture.documents.size(), size_t{1});
}

void TestMortgageWindow::printingAndGraphingRefuseWithoutASchedule() {
    Sheet s;
    s.click("MPrinter");
    s.click("MGraphs");
    QCOMPARE(s.ws.scripted.messages(), (std::vector<int>{1, 2}));
    QCOMPARE(s.ws.scripted.calls.size(), size_t{2});  // no header dialog was shown
    s.click("MCalc");
    s.click("MGraphs");
    QCOMPARE(s.ws.shared.GraphSource, std::int16_t{4});
    QCOMPARE(s.ws.scripted.messages().size(), size_t{2});
}

void TestMortgageWindow::quickHelpTogglesTheTextAndButtons() {
    for (int mode : {1, 2}) {
        Sheet s(mode);
        auto* help = s.find<QPlainTextEdit>("MTextBox");
        QVERIFY(help->isHidden());
        s.click("MHelp");
        QVERIFY(help->isVisible());
        QCOMPARE(s.find<QPushButton>("MHelp")->text(), QString("Close &Help"));
        QVERIFY(!s.find<QPushButton>("MPrinter")->isEnabled());
        QVERIFY(!s.find<QPushButton>("MGraphs")->isEnabled());
        const QStringList lines = help->toPlainText().split('\n');
        QCOMPARE(lines.at(0), QString("Click any yellow box and type in numbers, deletes previous ones.  "
                                      "For results click Calculate."));
        if (mode == 1) {
            QCOMPARE(lines.size(), 13);
            QCOMPARE(lines.at(2), QString("100,000.00"));
            QCOMPARE(lines.at(6), QString("American = Monthly.  Canadian = Semi-Annual."));
        } else {
            QCOMPARE(lines.size(), 13);
            QCOMPARE(lines.at(4), QString("          60"));
            QCOMPARE(lines.at(9), QString("        numbers."));
        }
        QTest::keyClick(help, Qt::Key_Return);  // Enter goes back to the principal
        QVERIFY(s.principal()->hasFocus());
        s.click("MHelp");
        QVERIFY(help->isHidden());
        QVERIFY(help->toPlainText().isEmpty());
        QVERIFY(s.find<QPushButton>("MPrinter")->isEnabled());
        QCOMPARE(s.find<QPushButton>("MHelp")->text(), QString("Quick &Help"));
    }
}

void TestMortgageWindow::exitErasesTablesAndShowsMenu() {
    Sheet s;
    s.ws.shared.ExtraPayments[1][2] = Currency::fromWhole(10);
    s.ws.shared.ExtraPaymentsInUse = 1;
    s.click("MCalc");
    s.click("MExit");
    QCOMPARE(s.ws.menuShown, 1);
    QVERIFY(!s.ws.shared.PaymentSchedule.has_value());
    QVERIFY(s.ws.shared.LoanInputs[1].isZero());
    QVERIFY(s.ws.shared.ExtraPayments[1][2].isZero());
    QCOMPARE(s.ws.shared.ExtraPaymentsInUse, std::int16_t{0});
    QVERIFY(!s.window->isVisible());
}

PECUNEX_QTEST_MAIN(TestMortgageWindow)
#include "test_mortgage_window.moc"
