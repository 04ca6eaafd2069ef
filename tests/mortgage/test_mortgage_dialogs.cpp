// The worksheet's three small dialogs: additional payments, days in the year and the
// first-payment date.
#include <QGroupBox>
#include <QRadioButton>

#include "Dates.h"
#include "DaysInYearDialog.h"
#include "FirstPaymentDateDialog.h"
#include "MortgageTestSupport.h"
#include "Platform.h"
#include "PrePayDialog.h"
#include "QtTestMain.h"
#include "SystemLocale.h"

namespace {
struct PrePay {
    explicit PrePay(double termYears) {
        ws.shared.LoanInputs[3] = Currency::fromDouble(termYears).value();
        dialog = std::make_unique<PrePayDialog>(ws.shared, &ws.containerWidget);
        dialog->show();
        dialog->activateWindow();
        QApplication::setActiveWindow(dialog.get());
        (void)QTest::qWaitForWindowActive(dialog.get());
        grid = dialog->findChild<Grid*>("PGrid");
        grid->setFocus();
    }
    void keys(const QString& text) const { QTest::keyClicks(grid, text); }
    void key(Qt::Key k) const { QTest::keyClick(grid, k); }
    Currency amount(int year) const { return ws.shared.ExtraPayments[static_cast<size_t>(year)][2]; }

    TestWorkspace ws;
    std::unique_ptr<PrePayDialog> dialog;
    Grid* grid = nullptr;
};
} // namespace

class TestMortgageDialogs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    void prePayGridHasARowPerYearAndAtLeastTwenty();
    void prePayEnterStoresAndMovesDown();
    void prePayRefusesBadKeysAndExtraDecimals();
    void prePayAmountLeftWithoutEnterIsNotStored();
    void prePayDeleteZeroesTheAmount();
    void prePayOkCountsYearsInUseAndEraseAllClears();

    void daysInYearShowsAndSetsTheChoice();

    void dateDialogShowsAndTakesTheFirstPaymentDate();
    void badDateIsReportedAndTheOldDateKept();

private:
    int beeps_ = 0;
};

void TestMortgageDialogs::initTestCase() {
    platform::setBeepHook([this] { ++beeps_; });
}

void TestMortgageDialogs::prePayGridHasARowPerYearAndAtLeastTwenty() {
    PrePay p(25);
    QCOMPARE(p.dialog->objectName(), QString("MortPrePay"));
    QCOMPARE(p.dialog->windowTitle(), QString("Additional Payments"));
    QCOMPARE(p.grid->rows(), 26);
    QCOMPARE(p.ws.shared.ExtraPaymentCount, std::int16_t{25});
    QCOMPARE(p.grid->text(0, 0), QString("Year Number"));
    QCOMPARE(p.grid->text(0, 1), QString("Amount of Payment"));
    QCOMPARE(p.grid->text(25, 0), QString("25"));
    QCOMPARE(p.grid->text(25, 1), QString(".00"));
    QCOMPARE(p.ws.shared.ExtraPayments[25][1], Currency::fromWhole(25));  // year numbers filled in

    PrePay shortLoan(3);
    QCOMPARE(shortLoan.grid->rows(), 20);
    QCOMPARE(shortLoan.grid->text(3, 0), QString("3"));
    QCOMPARE(shortLoan.grid->text(4, 0), QString());

    PrePay stored(10);  // amounts already stored are shown
    stored.dialog.reset();
    stored.ws.shared.ExtraPayments[4][2] = Currency::fromDouble(1234.5).value();
    stored.dialog = std::make_unique<PrePayDialog>(stored.ws.shared, &stored.ws.containerWidget);
    QCOMPARE(stored.dialog->findChild<Grid*>("PGrid")->text(4, 1), QString("1,234.50"));
}

void TestMortgageDialogs::prePayEnterStoresAndMovesDown() {
    PrePay p(25);
    p.grid->setCurrentCell(3, 1);
    p.keys("1500.25");
    QCOMPARE(p.grid->text(3, 1), QString("1500.25"));  // typing replaces the figure
    p.key(Qt::Key_Return);
    QCOMPARE(p.amount(3), Currency::fromDouble(1500.25).value());
    QCOMPARE(p.ws.shared.ExtraPayments[3][1], Currency::fromWhole(3));
    QCOMPARE(p.grid->text(3, 1), QString("1,500.25"));
    QCOMPARE(p.grid->currentRow(), 4);
    QCOMPARE(p.grid->currentCol(), 1);
    // Backspace edits what was typed.
    p.keys("789");
    p.key(Qt::Key_Backspace);
    p.key(Qt::Key_Return);
    QCOMPARE(p.amount(4), Currency::fromWhole(78));
}

void TestMortgageDialogs::prePayRefusesBadKeysAndExtraDecimals() {
    PrePay p(25);
    const int before = beeps_;
    p.keys("12.345");  // the third decimal is refused
    QCOMPARE(beeps_, before + 1);
    p.keys("a-");
    QCOMPARE(beeps_, before + 3);
    p.key(Qt::Key_Return);
    QCOMPARE(p.amount(1), Currency::fromDouble(12.34).value());
    // The year column takes no typing.
    p.grid->setCurrentCell(2, 0);
    p.keys("5");
    QCOMPARE(beeps_, before + 4);
    QCOMPARE(p.grid->text(2, 0), QString("2"));
}

void TestMortgageDialogs::prePayAmountLeftWithoutEnterIsNotStored() {
    PrePay p(25);
    p.grid->setCurrentCell(5, 1);
    p.keys("900");
    p.grid->setCurrentCell(6, 1);
    QVERIFY(p.amount(5).isZero());
    QCOMPARE(p.grid->text(5, 1), QString(".00"));
}

void TestMortgageDialogs::prePayDeleteZeroesTheAmount() {
    PrePay p(25);
    p.ws.shared.ExtraPayments[1][2] = Currency::fromWhole(700);
    p.grid->setCurrentCell(1, 1);
    p.key(Qt::Key_Delete);
    QVERIFY(p.amount(1).isZero());
    QCOMPARE(p.grid->text(1, 1), QString(".00"));
}

void TestMortgageDialogs::prePayOkCountsYearsInUseAndEraseAllClears() {
    PrePay p(25);
    for (int row : {2, 7, 9}) {
        p.grid->setCurrentCell(row, 1);
        p.keys(row == 9 ? "0" : "100");
        p.key(Qt::Key_Return);
    }
    QTest::mouseClick(p.dialog->findChild<QPushButton*>("UsePrePay"), Qt::LeftButton);
    QCOMPARE(p.ws.shared.ExtraPaymentsInUse, std::int16_t{2});  // the zero year does not count
    QCOMPARE(p.dialog->result(), int(QDialog::Accepted));
    QVERIFY(!p.dialog->isVisible());

    PrePay again(25);
    again.ws.shared.ExtraPayments[2][2] = Currency::fromWhole(100);
    again.ws.shared.ExtraPaymentsInUse = 1;
    QTest::mouseClick(again.dialog->findChild<QPushButton*>("DoNotUse"), Qt::LeftButton);
    QVERIFY(again.amount(2).isZero());
    QCOMPARE(again.ws.shared.ExtraPaymentsInUse, std::int16_t{0});
    QVERIFY(!again.dialog->isVisible());
}

void TestMortgageDialogs::daysInYearShowsAndSetsTheChoice() {
    TestWorkspace ws;
    ws.shared.DaysChoice = 2;
    DaysInYearDialog dialog(ws.shared, &ws.containerWidget);
    QCOMPARE(dialog.windowTitle(), QString("Accelerated payments"));
    QCOMPARE(dialog.findChild<QGroupBox*>()->title(), QString(" Change interest rate factor - days "));
    const QList<QRadioButton*> options = dialog.findChildren<QRadioButton*>("IRFactor");
    QCOMPARE(options.size(), 4);
    QVERIFY(options.at(2)->isChecked());
    dialog.show();

    // The value sets, as the days-in-year table lists them.
    struct Row { int choice; float days; double twoWeeks; double weeks; };
    const Row table[] = {{3, 363.0f, 25.92857143, 51.85714286}, {0, 365.25f, 26.08928571, 52.17857143},
                         {1, 365.0f, 26.07142857, 52.14285714}};
    for (const Row& row : table) {
        QRadioButton* option = options.at(row.choice);
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
        QCOMPARE(ws.shared.DaysChoice, std::int16_t(row.choice));
        QCOMPARE(ws.shared.DaysInYear, row.days);
        QCOMPARE(ws.shared.TwoWeekPeriods, row.twoWeeks);
        QCOMPARE(ws.shared.WeekPeriods, row.weeks);
    }
    QTest::mouseClick(dialog.findChild<QPushButton*>("ExitMort"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
}

void TestMortgageDialogs::dateDialogShowsAndTakesTheFirstPaymentDate() {
    TestWorkspace ws;
    ws.shared.TodayDate = platform::shortDate(dateSerial(2027, 1, 15));
    FirstPaymentDateDialog dialog(ws.shared, ws.scripted, &ws.containerWidget);
    QCOMPARE(dialog.windowTitle(), QString("Date Input"));
    dialog.show();
    dialog.activateWindow();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto* field = dialog.findChild<QLineEdit*>("InDate");
    QCOMPARE(field->text(), QString::fromStdString(ws.shared.TodayDate));
    field->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(field, "2028-06-30");  // the first key clears the old date
    QTest::keyClick(field, Qt::Key_Return);  // Enter goes to OK and the date is taken
    auto* ok = dialog.findChild<QPushButton*>("OkExit");
    QVERIFY(ok->hasFocus());
    const std::string expected = platform::shortDate(dateSerial(2028, 6, 30));
    QCOMPARE(ws.shared.TodayDate, expected);
    QCOMPARE(field->text(), QString::fromStdString(expected));
    QVERIFY(ws.scripted.messages().empty());
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
}

void TestMortgageDialogs::badDateIsReportedAndTheOldDateKept() {
    TestWorkspace ws;
    ws.shared.TodayDate = platform::shortDate(dateSerial(2027, 1, 15));
    const std::string before = ws.shared.TodayDate;
    FirstPaymentDateDialog dialog(ws.shared, ws.scripted, &ws.containerWidget);
    dialog.show();
    dialog.activateWindow();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto* field = dialog.findChild<QLineEdit*>("InDate");
    field->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(field, "13/45/2027");
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(ws.scripted.messages(), std::vector<int>{10});
    QCOMPARE(ws.shared.TodayDate, before);
    QCOMPARE(field->text(), QString::fromStdString(before));
    // "&OK" by its accelerator, straight from the field, still checks the date.
    field->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(field, "garbage");
    QTest::keyClick(field, Qt::Key_O, Qt::AltModifier);  // the accelerator clicks a moment later
    QTRY_COMPARE(ws.scripted.messages(), (std::vector<int>{10, 10}));
    QTRY_VERIFY(!dialog.isVisible());
    QCOMPARE(ws.shared.TodayDate, before);
}

PECUNEX_QTEST_MAIN(TestMortgageDialogs)
#include "test_mortgage_dialogs.moc"
