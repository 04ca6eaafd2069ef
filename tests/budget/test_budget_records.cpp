// Budget records: adding, bringing back, replacing and deleting them, the Shell sort of a
// side, and the figures a refresh shows for the chosen period.
#include <gtest/gtest.h>

#include "BudgetEditing.h"
#include "BudgetRefresh.h"
#include "BudgetSort.h"
#include "BudgetTestData.h"

namespace {

EntryValueSet entries(const char* amount, int payments, const char* budgeted) {
    return {Currency{}, money(amount), Currency::fromWhole(payments), money(budgeted)};
}

TEST(BudgetEditing, RecordsHoldYearlyProductsAndWhatIfDividesThemBack) {
    // Boxes 1 and 3 must hold something; payments whose leading number is 0 are nothing.
    EXPECT_FALSE(boxesFilled("Salary", "0") || boxesFilled("Salary", "") || boxesFilled("", "1"));
    EXPECT_TRUE(boxesFilled(" ", "      12"));
    // Hand calculations, four decimals kept: 0.01 x 52, 0.02 x 52; 333.3333 x 3.
    const auto record = recordFromEntries("x", entries("0.01", 52, "0.02"));
    EXPECT_EQ(record->AnnualAmount.toPlainString() + "|" + record->AnnualBudgeted.toPlainString(),
              "0.52|1.04");
    EXPECT_EQ(recordFromEntries("x", entries("333.3333", 3, "0"))->AnnualAmount, money("999.9999"));
    EXPECT_FALSE(recordFromEntries("x", entries("900000000000", 99999, "0"))); // does not fit
    // 1000 / 3 and 1 / 3 come back with four decimals; 0 payments a year cannot come back.
    EXPECT_EQ(entriesOfRecord({1, "x", money("1000"), Currency::fromWhole(3), money("1")}),
              entries("333.3333", 3, "0.3333"));
    EXPECT_FALSE(entriesOfRecord({1, "x", money("50"), Currency{}, Currency{}}));
}

TEST(BudgetEditing, ListsStayNumberedFullAndCompact) {
    BudgetTables t;
    for (int i = 0; i < MaxBudgetRecords; ++i)
        ASSERT_TRUE(appendRecord(t, RecordSide::Income, {}));
    EXPECT_FALSE(appendRecord(t, RecordSide::Income, {}));
    EXPECT_EQ(t.IncomeCount, 500);
    EXPECT_EQ(t.IncomeRecords[500].RecNo, 500);
    for (const char* name : {"one", "two", "three"})
        add(t, RecordSide::Expense, name, "1", 1, "1");
    EXPECT_TRUE(replaceRecord(t, RecordSide::Expense, 2, {0, "2", {}, {}, {}}));
    EXPECT_EQ(t.ExpenseRecords[2].RecNo, 2);
    EXPECT_FALSE(replaceRecord(t, RecordSide::Expense, 4, {}) ||
                 replaceRecord(t, RecordSide::Expense, 0, {}) ||
                 deleteRecord(t, RecordSide::Expense, 4));
    ASSERT_TRUE(deleteRecord(t, RecordSide::Expense, 1));
    EXPECT_EQ(names(t, RecordSide::Expense), "2|three");
    EXPECT_EQ(t.ExpenseRecords[2].RecNo, 2);
    EXPECT_EQ(t.ExpenseRecords[3], BudgetRecord{}); // the old last slot is cleared
}

using Records = std::initializer_list<std::pair<const char*, const char*>>;

// Sorts income records given as name/yearly amount pairs; the names in their new order.
std::string sorted(Records records, int order) {
    BudgetTables t;
    for (const auto& [name, annual] : records)
        add(t, RecordSide::Income, name, annual, 1, "0");
    t.SortOrder = static_cast<std::int16_t>(order);
    SortIncomeRecords(t);
    for (int i = 1; i <= t.IncomeCount; ++i)
        EXPECT_EQ(t.IncomeRecords[static_cast<std::size_t>(i)].RecNo, i);
    return names(t, RecordSide::Income);
}

TEST(BudgetSort, OrdersByNameOrYearlyAmount) {
    const Records fruit = {{"CHERRY", "1"}, {"apple", "2"}, {"Banana", "3"}};
    EXPECT_EQ(sorted(fruit, 1), "apple|Banana|CHERRY"); // worked case, A-Z
    EXPECT_EQ(sorted(fruit, 2), "CHERRY|Banana|apple"); // worked case, Z-A
    // Worked case: the yearly amount is the key.
    EXPECT_EQ(sorted({{"once", "500"}, {"weekly", "520"}}, 3), "weekly|once");
    EXPECT_EQ(sorted({{"weekly", "520"}, {"once", "500"}}, 4), "once|weekly");
    // Character codes: blank < digits < upper-cased letters < underscore; a prefix first.
    EXPECT_EQ(sorted({{"zed", "1"}, {"_x", "1"}, {"10 rent", "1"}, {" gift", "1"}, {"a", "1"}}, 1),
              " gift|10 rent|a|zed|_x");
    EXPECT_EQ(sorted({{"ab", "1"}, {"A", "1"}, {"abc", "1"}}, 1), "A|ab|abc");
    EXPECT_EQ(sorted({{"c", "3"}, {"a", "1"}, {"b", "2"}}, 0), "b|a|c"); // no order: all swap
    EXPECT_EQ(sorted({{"x", "1"}}, 2), "x");
}

TEST(BudgetSort, EqualKeysEndInTheOrderTheGappedInsertionLeaves) {
    // Hand trace, Lo-Hi, gap 2 then 1: [x1:5, y:5, x2:1, z:9] -> swap 1/3 -> [x2, y, x1, z],
    // then no pair is out of order: the two fives changed places.
    EXPECT_EQ(sorted({{"x1", "5"}, {"y", "5"}, {"x2", "1"}, {"z", "9"}}, 4), "x2|y|x1|z");
    // Equal names never swap with each other in one comparison; they end consecutive.
    EXPECT_EQ(sorted({{"Rent", "2"}, {"rent", "1"}, {"Car", "3"}}, 1), "Car|Rent|rent");
    EXPECT_EQ(sorted({{"c", "7"}, {"a", "7"}, {"b", "7"}}, 3), "c|a|b"); // file order kept
}

TEST(BudgetSort, WholeRecordsMoveAndEachSideSortsAlone) {
    BudgetTables t;
    add(t, RecordSide::Income, "b", "20", 2, "18");
    add(t, RecordSide::Income, "a", "10", 1, "9");
    add(t, RecordSide::Expense, "z", "1", 1, "1");
    add(t, RecordSide::Expense, "y", "2", 1, "1");
    SortIncomeRecords(t);
    EXPECT_EQ(t.IncomeRecords[1], (BudgetRecord{1, "a", money("10"), money("1"), money("9")}));
    EXPECT_EQ(names(t, RecordSide::Expense), "z|y");
    SortExpenseRecords(t);
    EXPECT_EQ(names(t, RecordSide::Expense), "y|z");
}

// The worked figures (100.00 every 2 weeks, 108.33 semi-monthly, .19 and .58 weekly) are
// checked in the window test, the reference printout's 25.88 and 583.33 in its golden text.
TEST(BudgetRefresh, PeriodFiguresAreTheYearlyFigureDividedAndRounded) {
    const struct {
        const char* yearly;
        int factor;
        const char *shown, *source;
    } rows[] = {
        {"6", 12, ".50", "hand calculation: below 1 without a leading zero"},
        {"0", 4, ".00", "hand calculation: zero"},
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
