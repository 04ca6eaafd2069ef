// Adding, bringing back, replacing and deleting records.
#include <gtest/gtest.h>

#include "BudgetEditing.h"
#include "BudgetTestData.h"

namespace {

EntryValueSet entries(const char* amount, int payments, const char* budgeted) {
    return {Currency{}, money(amount), Currency::fromWhole(payments), money(budgeted)};
}

TEST(BudgetEditing, BoxesOneAndThreeMustHaveData) {
    const struct {
        const char *description, *payments;
        bool filled;
    } rows[] = {
        {"Salary", "26", true},       {"", "26", false},
        {"Salary", "", false},        {"Salary", "0", false},
        {"Salary", "      12", true}, {" ", "1", true},
    };
    for (const auto& r : rows)
        EXPECT_EQ(boxesFilled(r.description, r.payments), r.filled)
            << r.description << "/" << r.payments;
}

TEST(BudgetEditing, RecordsStoreYearlyProductsOfTheEntries) {
    const struct {
        EntryValueSet e;
        const char *annual, *budgeted;
        const char* source;
    } rows[] = {
        {entries("100", 26, "90"), "2600", "2340", "worked figure: 100.00 x 26"},
        {entries("333.3333", 1, "0"), "333.3333", "0", "four decimals kept"},
        {entries("0.01", 52, "0.02"), "0.52", "1.04", "hand calculation"},
    };
    for (const auto& r : rows) {
        const auto rec = recordFromEntries("x", r.e);
        ASSERT_TRUE(rec) << r.source;
        EXPECT_EQ(rec->AnnualAmount.toPlainString() + "|" + rec->AnnualBudgeted.toPlainString(),
                  std::string(r.annual) + "|" + r.budgeted)
            << r.source;
    }
    EXPECT_FALSE(recordFromEntries("x", entries("900000000000", 99999, "0"))); // does not fit
}

TEST(BudgetEditing, AppendStopsAtFiveHundredRecords) {
    BudgetTables t;
    BudgetRecord r;
    for (int i = 0; i < MaxBudgetRecords; ++i)
        ASSERT_TRUE(appendRecord(t, RecordSide::Income, r));
    EXPECT_EQ(t.IncomeRecords[500].RecNo, 500);
    EXPECT_FALSE(appendRecord(t, RecordSide::Income, r));
    EXPECT_EQ(t.IncomeCount, 500);
    EXPECT_TRUE(appendRecord(t, RecordSide::Expense, r)); // the other side has its own limit
}

TEST(BudgetEditing, WhatIfBringsBackThePerPaymentFigures) {
    BudgetTables t;
    add(t, RecordSide::Income, "Salary", "2600", 26, "2340");
    add(t, RecordSide::Income, "Thirds", "1000", 3, "1");
    add(t, RecordSide::Income, "From a file", "50", 0, "0");
    const auto salary = entriesOfRecord(t.IncomeRecords[1]);
    ASSERT_TRUE(salary);
    EXPECT_EQ((*salary)[1], money("100")); // worked figure: 2600 / 26
    EXPECT_EQ((*salary)[2], Currency::fromWhole(26));
    EXPECT_EQ((*salary)[3], money("90"));
    EXPECT_EQ((*entriesOfRecord(t.IncomeRecords[2]))[1],
              money("333.3333")); // 1000 / 3, four decimals
    EXPECT_EQ((*entriesOfRecord(t.IncomeRecords[2]))[3], money("0.3333"));
    EXPECT_FALSE(entriesOfRecord(t.IncomeRecords[3])); // 0 payments a year: refused
}

TEST(BudgetEditing, ReplaceKeepsTheRecordNumber) {
    BudgetTables t;
    add(t, RecordSide::Expense, "Rent", "12000", 12, "12000");
    add(t, RecordSide::Expense, "Food", "5200", 52, "5000");
    BudgetRecord changed = *recordFromEntries("Groceries", entries("110", 52, "100"));
    EXPECT_TRUE(replaceRecord(t, RecordSide::Expense, 2, changed));
    EXPECT_EQ(t.ExpenseRecords[2].RecNo, 2);
    EXPECT_EQ(t.ExpenseRecords[2].Description, "Groceries");
    EXPECT_EQ(t.ExpenseRecords[2].AnnualAmount, money("5720"));
    EXPECT_FALSE(replaceRecord(t, RecordSide::Expense, 3, changed));
    EXPECT_FALSE(replaceRecord(t, RecordSide::Expense, 0, changed));
}

TEST(BudgetEditing, DeleteCompactsRenumbersAndClearsTheOldLastSlot) {
    BudgetTables t;
    for (const char* name : {"one", "two", "three"})
        add(t, RecordSide::Income, name, "1", 1, "1");
    EXPECT_FALSE(deleteRecord(t, RecordSide::Income, 4));
    EXPECT_EQ(t.IncomeCount, 3);
    ASSERT_TRUE(deleteRecord(t, RecordSide::Income, 2));
    EXPECT_EQ(t.IncomeCount, 2);
    EXPECT_EQ(names(t, RecordSide::Income), "one|three");
    EXPECT_EQ(t.IncomeRecords[2].RecNo, 2);
    EXPECT_EQ(t.IncomeRecords[3], BudgetRecord{});
    ASSERT_TRUE(deleteRecord(t, RecordSide::Income, 2));
    ASSERT_TRUE(deleteRecord(t, RecordSide::Income, 1));
    EXPECT_EQ(t.IncomeCount, 0);
    EXPECT_EQ(t.IncomeRecords[1], BudgetRecord{});
}

} // namespace
