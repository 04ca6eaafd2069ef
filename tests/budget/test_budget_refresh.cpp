// Period conversion and the figures of a refresh.
#include <gtest/gtest.h>

#include "BudgetRefresh.h"
#include "BudgetTestData.h"

namespace {

TEST(BudgetPeriods, ListEntriesMatchOnTheirWholeTextAndNamesWithoutBlanks) {
    ASSERT_NE(findPeriod("     2 Weeks"), nullptr);
    EXPECT_EQ(findPeriod("     2 Weeks")->factor, 26);
    EXPECT_EQ(findPeriod(" Semi-monthly")->factor, 24);
    EXPECT_EQ(findPeriod(InitialPeriodEntry)->factor, 1);
    EXPECT_EQ(findPeriod("2 Weeks"), nullptr); // the list's blanks belong to the text
    EXPECT_EQ(findPeriod("      weekly"), nullptr);
    EXPECT_EQ(findSortOrder("Amounts Hi-Lo"), 3);
    EXPECT_EQ(findSortOrder("Names A - Z"), std::nullopt);
    EXPECT_EQ(periodByName("Monthly")->factor, 12);
    EXPECT_EQ(periodByName("Semi-annual")->word, "Semi-annual");
    EXPECT_EQ(periodByName("monthly"), nullptr);
    EXPECT_EQ(sortOrderByName("Names Z - A"), 2);
    EXPECT_EQ(sortOrderByName("Amounts Lo-Hi"), 4);
    EXPECT_EQ(sortOrderByName("Amounts"), std::nullopt);
}

TEST(BudgetRefresh, PeriodFiguresAreTheYearlyFigureDividedAndRounded) {
    const struct {
        const char* yearly;
        int factor;
        const char* shown;
        const char* source;
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

TEST(BudgetRefresh, CellsAreRoundedOneByOneWhileTotalsAreDividedOnce) {
    BudgetTables t;
    for (const char* name : {"a", "b", "c"})
        add(t, RecordSide::Income, name, "10", 1, "10");
    const auto cells = sideCells(t.IncomeRecords, t.IncomeCount, 52);
    ASSERT_EQ(cells.size(), 12u);
    EXPECT_EQ(cells[0] + "|" + cells[1] + "|" + cells[2] + "|" + cells[3],
              "1|a|       .19|       .19");
    const auto figures = budgetFigures(t);
    ASSERT_TRUE(figures);
    const BudgetLabels l = budgetLabels(*figures, *findPeriod("      Weekly"), "$");
    EXPECT_EQ(l.TotInc, "         .58"); // 30.00 / 52, not 3 x .19
    EXPECT_EQ(l.TotIncBgt, "         .58");
    EXPECT_EQ(l.incomeCaption, " Weekly income");
    EXPECT_EQ(l.expenseCaption, " Weekly expenses");
    EXPECT_EQ(l.netCaption, "Weekly Net Balance");
    EXPECT_EQ(l.NetBalance, "        $.58");
    EXPECT_FALSE(l.netNegative);
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
        const auto figures = budgetFigures(t);
        ASSERT_TRUE(figures);
        const BudgetLabels l = budgetLabels(*figures, *findPeriod("     Monthly"), "$");
        EXPECT_EQ(l.NetBalance, r.net) << r.source;
        EXPECT_EQ(l.netNegative, r.red) << r.source;
        EXPECT_TRUE(l.netBudgetedNegative) << "budgeted 0 - 5";
        EXPECT_EQ(l.TotExpBgt, "         .42"); // 5 / 12
    }
}

TEST(BudgetRefresh, SumsThatDoNotFitFailWithMessage26) {
    BudgetTables t;
    add(t, RecordSide::Income, "a", "900000000000000", 1, "0");
    add(t, RecordSide::Income, "b", "900000000000000", 1, "0");
    auto figures = budgetFigures(t);
    ASSERT_FALSE(figures);
    EXPECT_EQ(figures.failure().code, 26);

    BudgetTables nets; // each side fits, the difference does not
    add(nets, RecordSide::Income, "a", "900000000000000", 1, "0");
    add(nets, RecordSide::Expense, "b", "0", 1, "0");
    nets.ExpenseRecords[1].AnnualAmount = Currency::fromRaw(-9000000000000000000);
    EXPECT_FALSE(budgetFigures(nets));
}

TEST(BudgetRefresh, GridHeadingsNameTheSide) {
    EXPECT_EQ(budgetGridHeadings(RecordSide::Income),
              (std::vector<std::string>{"No.", "Description", "Income", "Budgeted"}));
    EXPECT_EQ(budgetGridHeadings(RecordSide::Expense)[2], "Expense");
}

} // namespace
