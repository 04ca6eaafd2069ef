// The worksheet's three small dialogs: additional payments, days in the year and the
// first-payment date.
#include <QPoint>
#include <QRadioButton>

#include "DaysInYearDialog.h"
#include "FirstPaymentDateDialog.h"
#include "MortgageTestSupport.h"
#include "Platform.h"
#include "PrePayDialog.h"
#include "QtTestMain.h"

namespace {
// The additional payments of a loan of `termYears`, with `year4` stored for year 4.
struct PrePay {
    explicit PrePay(double termYears, double year4 = 0, int count = 0, int inUse = 0) {
        ws.tables.ExtraPaymentCount = std::int16_t(count);
        ws.tables.ExtraPaymentsInUse = std::int16_t(inUse);
        ws.tables.LoanInputs[3] = Currency::fromDouble(termYears).value();
        ws.tables.ExtraPayments[4][2] = Currency::fromDouble(year4).value();
        dialog = std::make_unique<PrePayDialog>(ws.shared, ws.tables, &ws.containerWidget);
        activate(dialog.get());
        grid = dialog->findChild<Grid*>("PGrid");
        grid->setFocus();
    }
    // A year's amount as shown and as stored.
    QString at(int y) const {
        return grid->text(y, 1) + "|" +
               QString::number(ws.tables.ExtraPayments[size_t(y)][2].toDouble());
    }
    void type(int row, const QString& keys, Qt::Key end = Qt::Key_Return) const {
        grid->setCurrentCell(row, 1);
        QTest::keyClicks(grid, keys);
        if (end != Qt::Key_unknown)
            QTest::keyClick(grid, end);
    }
    void click(const char* button) const {
        QTest::mouseClick(dialog->findChild<QWidget*>(button), Qt::LeftButton);
    }

    MortgageWorkspace ws;
    std::unique_ptr<PrePayDialog> dialog;
    Grid* grid = nullptr;
};
} // namespace

class TestMortgageDialogs : public QObject {
    Q_OBJECT
    static void escapeOrClose() {
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("Escape") << true;
        QTest::newRow("close button") << false;
    }

  private slots:
    // A row a year of the term, at least 20 rows; year numbers and stored amounts shown.
    void prePayGridHasARowPerYear() {
        PrePay p(25);
        QCOMPARE(std::pair(p.grid->rows(), int(p.ws.tables.ExtraPaymentCount)), std::pair(26, 25));
        QCOMPARE(p.grid->text(0, 0) + "|" + p.grid->text(0, 1) + "|" + p.grid->text(25, 0) + "|" +
                     p.grid->text(25, 1),
                 QString("Year Number|Amount of Payment|25|.00"));
        QCOMPARE(p.ws.tables.ExtraPayments[25][1], Currency::fromWhole(25));
        QCOMPARE(PrePay(10, 1234.5).grid->text(4, 1), QString("1,234.50"));
        PrePay shortLoan(3);
        QCOMPARE(shortLoan.grid->rows(), 20);
        QCOMPARE(shortLoan.grid->text(3, 0) + "|" + shortLoan.grid->text(4, 0), QString("3|"));
    }

    void prePayTypingEnterAndDelete() {
        PrePay p(25, 1234.5);
        p.type(3, "1500.25", Qt::Key_unknown);
        QCOMPARE(p.at(3), QString("1500.25|0")); // shown as typed, stored on Enter
        QTest::keyClick(p.grid, Qt::Key_Return);
        QCOMPARE(p.at(3), QString("1,500.25|1500.25"));
        QCOMPARE(std::pair(p.grid->currentRow(), p.grid->currentCol()),
                 std::pair(4, 1));       // Enter moves down
        QTest::keyClicks(p.grid, "789"); // typing replaces 1,234.50; Backspace edits
        QTest::keyClick(p.grid, Qt::Key_Backspace);
        QTest::keyClick(p.grid, Qt::Key_Return);
        QCOMPARE(p.at(4), QString("78.00|78"));
        p.type(1, "12.345a-"); // a third decimal, letters and signs are refused
        QCOMPARE(p.at(1), QString("12.34|12.34"));
        p.grid->setCurrentCell(2, 0); // the year column takes no typing
        QTest::keyClicks(p.grid, "5");
        QCOMPARE(p.grid->text(2, 0), QString("2"));
        p.type(5, "900", Qt::Key_unknown); // left without Enter: not stored
        p.grid->setCurrentCell(4, 1);
        QTest::keyClick(p.grid, Qt::Key_Delete);
        QCOMPARE(p.at(5) + "/" + p.at(4), QString(".00|0/.00|0"));
    }

    void prePayOkCountsYearsInUseAndEraseAllClears() {
        PrePay p(25);
        p.type(2, "100");
        p.type(4, "0"); // a zero year does not count
        p.type(9, "100");
        p.click("UsePrePay");
        QCOMPARE(std::pair(int(p.ws.tables.ExtraPaymentsInUse), p.dialog->result()),
                 std::pair(2, int(QDialog::Accepted)));
        PrePay again(25, 1234.5);
        again.ws.tables.ExtraPaymentsInUse = 1;
        again.click("DoNotUse");
        QVERIFY(again.at(4).endsWith("|0")); // erased as the dialog closes
        QVERIFY(again.ws.tables.ExtraPaymentsInUse == 0 && !again.dialog->isVisible());
    }

    // A date whose last payment of the term would fall after 9999-12-31 is message 10 and the
    // old date stays (30 years from 9970-01-01 end on 10000-01-01: the last one fits).
    void firstPaymentDateKeepsDatesFourDigit_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<bool>("refused");
        QTest::newRow("last payment in 10019") << "9990-01-01"
                                               << "1/15/2027" << true;
        QTest::newRow("last payment a day too late") << "9970-01-02"
                                                     << "1/15/2027" << true;
        QTest::newRow("last payment 9999-12-01") << "9970-01-01"
                                                 << "1/1/9970" << false;
    }
    void firstPaymentDateKeepsDatesFourDigit() {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(bool, refused);
        MortgageWorkspace ws;
        ws.shared.TodayDate = "1/15/2027";
        ws.tables.LoanInputs[3] = Currency::fromWhole(30);
        FirstPaymentDateDialog dialog(ws.shared, ws.scripted, ws.tables.LoanInputs[3],
                                      &ws.containerWidget);
        activate(&dialog);
        auto* field = dialog.findChild<QLineEdit*>("InDate");
        field->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(field, typed);
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(QString::fromStdString(ws.shared.TodayDate) + "|" + field->text(),
                 kept + "|" + kept);
        QCOMPARE(ws.scripted.messages(), refused ? std::vector<int>{10} : std::vector<int>{});
    }

    // Escape and the title bar's close button leave the payments as the dialog found them:
    // amounts typed and taken with Enter, erased ones, the count and the number in use.
    void prePayEscapeOrCloseRestoresEverything_data() { escapeOrClose(); }
    void prePayEscapeOrCloseRestoresEverything() {
        QFETCH(bool, byEscape);
        PrePay p(25, 1234.5, 7, 1); // the dialog counts 25 years on opening
        QCOMPARE(int(p.ws.tables.ExtraPaymentCount), 25);
        auto before = p.ws.tables.ExtraPayments;
        for (auto& year : before)
            year[1] = Currency{}; // the year numbers it wrote too
        p.type(1, "1000");
        p.type(2, "500.5");
        p.grid->setCurrentCell(4, 1);
        QTest::keyClick(p.grid, Qt::Key_Delete);
        p.type(6, "75", Qt::Key_unknown); // still being typed
        QCOMPARE(p.at(1) + "/" + p.at(4), QString("1,000.00|1000/.00|0"));
        if (byEscape)
            QTest::keyClick(p.grid, Qt::Key_Escape);
        else
            p.dialog->close();
        QVERIFY(!p.dialog->isVisible());
        QCOMPARE(p.dialog->result(), int(QDialog::Rejected));
        QVERIFY(p.ws.tables.ExtraPayments == before);
        QCOMPARE(std::pair(int(p.ws.tables.ExtraPaymentCount), int(p.ws.tables.ExtraPaymentsInUse)),
                 std::pair(7, 1));
    }

    // The same for the days choice and for the first-payment date (a date taken with Enter
    // included).
    void daysAndDateEscapeOrCloseRestoreTheOpeningValues_data() { escapeOrClose(); }
    void daysAndDateEscapeOrCloseRestoreTheOpeningValues() {
        QFETCH(bool, byEscape);
        MortgageWorkspace ws;
        ws.tables.DaysChoice = 2;
        const DaysInYearSet opening = daysInYearSet(2);
        ws.tables.DaysInYear = opening.daysInYear,
        ws.tables.TwoWeekPeriods = opening.twoWeekPeriods;
        ws.tables.WeekPeriods = opening.weekPeriods;
        DaysInYearDialog days(ws.shared, ws.tables, &ws.containerWidget);
        activate(&days);
        QRadioButton* option = days.findChildren<QRadioButton*>("IRFactor").at(0);
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
        QCOMPARE(ws.tables.DaysChoice, std::int16_t(0)); // taken at once while open
        if (byEscape)
            QTest::keyClick(&days, Qt::Key_Escape);
        else
            days.close();
        QVERIFY(!days.isVisible());
        QCOMPARE(ws.tables.DaysChoice, std::int16_t(2));
        QCOMPARE(ws.tables.DaysInYear, 364.0f);
        QCOMPARE(ws.tables.TwoWeekPeriods, 26.0);
        QCOMPARE(ws.tables.WeekPeriods, 52.0);

        ws.shared.TodayDate = "1/15/2027";
        FirstPaymentDateDialog date(ws.shared, ws.scripted, ws.tables.LoanInputs[3],
                                    &ws.containerWidget);
        activate(&date);
        auto* field = date.findChild<QLineEdit*>("InDate");
        field->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(field, "2028-06-30");
        QTest::keyClick(field, Qt::Key_Return); // taken: the focus moves to OK
        QCOMPARE(ws.shared.TodayDate, std::string("6/30/2028"));
        field->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(field, "3/3/2030"); // typed, not yet taken
        if (byEscape)
            QTest::keyClick(field, Qt::Key_Escape);
        else
            date.close();
        QVERIFY(!date.isVisible());
        QCOMPARE(ws.shared.TodayDate, std::string("1/15/2027"));
        QVERIFY(ws.scripted.messages().empty());
    }

    // Each choice sets the days in the year and the two-week and one-week periods.
    // (Hand calculation: days / 14 and days / 7, to the 8 decimals compared.)
    void daysInYearChoiceSetsTheThreeValues_data() {
        QTest::addColumn<int>("opening");
        QTest::addColumn<int>("choice");
        QTest::addColumn<float>("days");
        QTest::addColumn<double>("twoWeeks");
        QTest::addColumn<double>("weeks");
        QTest::newRow("363") << 2 << 3 << 363.0f << 25.92857143 << 51.85714286;
        QTest::newRow("365.25") << 2 << 0 << 365.25f << 26.08928571 << 52.17857143;
        QTest::newRow("365") << 2 << 1 << 365.0f << 26.07142857 << 52.14285714;
        QTest::newRow("364") << 1 << 2 << 364.0f << 26.0 << 52.0;
    }
    void daysInYearChoiceSetsTheThreeValues() {
        QFETCH(int, opening);
        QFETCH(int, choice);
        QFETCH(float, days);
        QFETCH(double, twoWeeks);
        QFETCH(double, weeks);
        MortgageWorkspace ws;
        ws.tables.DaysChoice = std::int16_t(opening);
        DaysInYearDialog dialog(ws.shared, ws.tables, &ws.containerWidget);
        const QList<QRadioButton*> options = dialog.findChildren<QRadioButton*>("IRFactor");
        QVERIFY(options.size() == 4 && options.at(opening)->isChecked());
        dialog.show();
        QRadioButton* option = options.at(choice);
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
        QCOMPARE(ws.tables.DaysChoice, std::int16_t(choice));
        QCOMPARE(ws.tables.DaysInYear, days);
        QCOMPARE(ws.tables.TwoWeekPeriods, twoWeeks);
        QCOMPARE(ws.tables.WeekPeriods, weeks);
    }

    // Each dialog at the container's corner plus its offset in twips, by layout class.
    void dialogsPlaceThemselves_data() {
        QTest::addColumn<int>("dialog");
        QTest::addColumn<int>("layoutClass");
        QTest::addColumn<QPoint>("twips");
        QTest::newRow("additional payments, small") << 0 << 6810 << QPoint(4300, 630);
        QTest::newRow("additional payments, large") << 0 << 8670 << QPoint(5300, 1650);
        QTest::newRow("days in year, small") << 1 << 6810 << QPoint(3200, 1700);
        QTest::newRow("days in year, large") << 1 << 8670 << QPoint(4300, 2700);
        QTest::newRow("first-payment date, small") << 2 << 6810 << QPoint(4000, 2400);
        QTest::newRow("first-payment date, large") << 2 << 8670 << QPoint(5000, 3400);
    }
    void dialogsPlaceThemselves() {
        QFETCH(int, dialog);
        QFETCH(int, layoutClass);
        QFETCH(QPoint, twips);
        MortgageWorkspace ws;
        ws.tables.LoanInputs[3] = Currency::fromWhole(25);
        ws.shared.LayoutClass = layoutClass;
        ws.containerWidget.setGeometry(60, 40, 641, 454);
        ws.containerWidget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ws.containerWidget));
        std::unique_ptr<QDialog> shown;
        if (dialog == 0)
            shown = std::make_unique<PrePayDialog>(ws.shared, ws.tables, &ws.containerWidget);
        else if (dialog == 1)
            shown = std::make_unique<DaysInYearDialog>(ws.shared, ws.tables, &ws.containerWidget);
        else
            shown = std::make_unique<FirstPaymentDateDialog>(
                ws.shared, ws.scripted, ws.tables.LoanInputs[3], &ws.containerWidget);
        activate(shown.get());
        QCOMPARE(shown->pos() - ws.containerWidget.pos(),
                 QPoint(platform::twipsToPixels(twips.x()), platform::twipsToPixels(twips.y())));
        QVERIFY(!(shown->windowFlags() & Qt::WindowMaximizeButtonHint));
    }

    // A typed date is checked on Enter and on OK: a bad one is reported and the old one
    // kept; ISO form is accepted and shown in the short form (en-US here).
    void firstPaymentDateIsCheckedWhenTaken() {
        MortgageWorkspace ws;
        ws.shared.TodayDate = "1/15/2027";
        FirstPaymentDateDialog dialog(ws.shared, ws.scripted, ws.tables.LoanInputs[3],
                                      &ws.containerWidget);
        activate(&dialog);
        auto* field = dialog.findChild<QLineEdit*>("InDate");
        const struct {
            const char *typed, *kept;
        } rows[] = {{"13/45/2027", "1/15/2027"}, {"2028-06-30", "6/30/2028"}};
        for (const auto& row : rows) {
            field->setFocus(Qt::MouseFocusReason);
            QTest::keyClicks(field, row.typed); // the first key clears the old date
            QTest::keyClick(field, Qt::Key_Return);
            QCOMPARE(QString::fromStdString(ws.shared.TodayDate) + "|" + field->text(),
                     QString(row.kept) + "|" + row.kept);
            QCOMPARE(ws.scripted.messages(), std::vector<int>{10}); // only the bad date
        }
        QVERIFY(dialog.findChild<QWidget*>("OkExit")->hasFocus());
        field->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(field, "garbage");
        QTest::keyClick(field, Qt::Key_O, Qt::AltModifier); // "&OK" straight from the field
        QTRY_COMPARE(ws.scripted.messages(), (std::vector<int>{10, 10}));
        QTRY_VERIFY(!dialog.isVisible());
        QCOMPARE(ws.shared.TodayDate, std::string("6/30/2028"));
    }
};

PECUNEX_QTEST_MAIN(TestMortgageDialogs)
#include "test_mortgage_dialogs.moc"
