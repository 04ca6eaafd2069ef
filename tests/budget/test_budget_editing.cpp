// Adding, bringing back, replacing and deleting records.
#include <gtest/gtest.h>

#include "BudgetEditing.h"
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
    EXPECT_EQ(t.IncomeRecords[500].RecNo + t.IncomeCount, 500 + 500);
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

} // namespace
