// Period conversion and the figures of a refresh.
#include <gtest/gtest.h>

#include "BudgetRefresh.h"
#include "BudgetTestData.h"

namespace {

TEST(BudgetRefresh, PeriodFiguresAreTheYearlyFigureDividedAndRounded) {
    const struct {
        const char* yearly;
        int factor;
        const char *shown, *source;
    } rows[] = {
        {"2600", 26, "100.00", "worked figure: 100.00 paid 26 times, 2 weeks"},
        {"2600", 24, "108.33", "worked figure: the same record semi-monthly"},
        {"10", 52, ".19", "worked figure: 10.00 a year shown weekly"},
        {"30", 52, ".58", "worked figure: three such records, the weekly total"},
        {"6", 12, ".50", "hand calculation: below 1 without a leading zero"},
        {"0", 4, ".00", "hand calculation: zero"},
        {"310.5", 12, "25.88", "reference printout: 25.875 rounds half away from zero"},
        {"7000", 12, "583.33", "reference printout"},
        {"1234567.89", 1, "1,234,567.89", "hand calculation: thousands groups"},
        {"0.0001", 52, ".00", "hand calculation: a tiny figure"},
        {"-104", 52, "-2.00", "hand calculation: a negative net"},
        {"-0.05", 52, ".00", "no minus on a zero"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(periodFigure(money(r.yearly), r.factor), r.shown) << r.source;
}

TEST(BudgetRefresh, NetsCarryTheSymbolAndAreRedOnlyWhenTheYearlyNetIsNegative) {
    const struct {
        const char *income, *expense, *net;
        bool red;
        const char* source;
    } rows[] = {
        {"1200", "1300", "      $-8.33", true, "hand calculation: -100 / 12"},
        {"1200", "1200", "        $.00", false, "a net of exactly 0 is black"},
        {"0", "0.04", "        $.00", true, "red from the yearly figure though it shows .00"},
        {"48000", "12000", "   $3,000.00", false, "hand calculation: 36000 / 12"},
    };
    for (const auto& r : rows) {
        BudgetTables t;
        add(t, RecordSide::Income, "in", r.income, 1, "0");
        add(t, RecordSide::Expense, "out", r.expense, 1, "5");
        const BudgetLabels l = budgetLabels(*budgetFigures(t), *findPeriod("     Monthly"), "$");
        EXPECT_EQ(l.NetBalance, r.net) << r.source;
        EXPECT_EQ(l.netNegative, r.red) << r.source;
        EXPECT_TRUE(l.netBudgetedNegative) << "budgeted 0 - 5";
        EXPECT_EQ(l.NetBalanceBgt + l.TotExpBgt, "       $-.42         .42"); // 5 / 12
        EXPECT_EQ(l.incomeCaption + "|" + l.expenseCaption, " Monthly income| Monthly expenses");
    }
}

TEST(BudgetRefresh, SumsThatDoNotFitFailWithMessage26) {
    BudgetTables t;
    add(t, RecordSide::Income, "a", "900000000000000", 1, "0");
    add(t, RecordSide::Income, "b", "900000000000000", 1, "0");
    EXPECT_EQ(budgetFigures(t).failure().code, 26);
    for (bool budgeted : {false, true}) { // each side fits, the difference does not
        BudgetTables nets;
        add(nets, RecordSide::Income, "a", "900000000000000", 1, "900000000000000");
        add(nets, RecordSide::Expense, "b", "0", 1, "0");
        (budgeted ? nets.ExpenseRecords[1].AnnualBudgeted : nets.ExpenseRecords[1].AnnualAmount) =
            Currency::fromRaw(-9000000000000000000);
        EXPECT_EQ(budgetFigures(nets).failure().code, 26) << budgeted;
    }
}

} // namespace
