// The Shell sort of a side and its renumbering.
#include <gtest/gtest.h>

#include "BudgetSort.h"
#include "BudgetTestData.h"

namespace {

BudgetTables sideOf(std::initializer_list<std::pair<const char*, const char*>> records) {
    BudgetTables t;
    for (const auto& [name, annual] : records)
        add(t, RecordSide::Income, name, annual, 1, "0");
    return t;
}

std::string sorted(BudgetTables t, int order) {
    t.SortOrder = static_cast<std::int16_t>(order);
    SortIncomeRecords(t);
    for (int i = 1; i <= t.IncomeCount; ++i)
        EXPECT_EQ(t.IncomeRecords[static_cast<std::size_t>(i)].RecNo, i);
    return names(t, RecordSide::Income);
}

TEST(BudgetSort, OrdersByNameOrYearlyAmount) {
    const struct {
        BudgetTables table;
        int order;
        const char* expected;
        const char* source;
    } rows[] = {
        {sideOf({{"CHERRY", "1"}, {"apple", "2"}, {"Banana", "3"}}), 1, "apple|Banana|CHERRY",
         "worked case, A-Z"},
        {sideOf({{"CHERRY", "1"}, {"apple", "2"}, {"Banana", "3"}}), 2, "CHERRY|Banana|apple",
         "worked case, Z-A"},
        {sideOf({{"once", "500"}, {"weekly", "520"}}), 3, "weekly|once",
         "worked case: the yearly amount is the key"},
        {sideOf({{"weekly", "520"}, {"once", "500"}}), 4, "once|weekly", "Lo-Hi"},
        // Character codes: blank < digits < upper-cased letters < underscore.
        {sideOf({{"Zed", "1"}, {"_x", "1"}, {"10 rent", "1"}, {" gift", "1"}, {"a", "1"}}), 1,
         " gift|10 rent|a|Zed|_x", "hand ordering by character code"},
        {sideOf({{"ab", "1"}, {"A", "1"}, {"abc", "1"}}), 1, "A|ab|abc", "a prefix sorts first"},
        {sideOf({{"c", "3"}, {"a", "1"}, {"b", "2"}}), 0, "b|a|c",
         "no order: every pair is swapped"},
        {sideOf({{"x", "1"}}), 2, "x", "one record: nothing compared"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(sorted(r.table, r.order), r.expected) << r.source;
}

TEST(BudgetSort, EqualKeysEndInTheOrderTheGappedInsertionLeaves) {
    // Hand trace, Lo-Hi, gap 2 then 1: [x1:5, y:5, x2:1, z:9] -> swap 1/3 -> [x2, y, x1, z],
    // then no pair is out of order: the two fives changed places.
    EXPECT_EQ(sorted(sideOf({{"x1", "5"}, {"y", "5"}, {"x2", "1"}, {"z", "9"}}), 4), "x2|y|x1|z");
    // Equal names never swap with each other in one comparison; they end consecutive.
    EXPECT_EQ(sorted(sideOf({{"Rent", "2"}, {"rent", "1"}, {"Car", "3"}}), 1), "Car|Rent|rent");
    // Three records of the same amount keep file order.
    EXPECT_EQ(sorted(sideOf({{"c", "7"}, {"a", "7"}, {"b", "7"}}), 3), "c|a|b");
}

TEST(BudgetSort, AllFiveFieldsMoveTogetherAndTheOtherSideIsUntouched) {
    BudgetTables t;
    add(t, RecordSide::Income, "b", "20", 2, "18");
    add(t, RecordSide::Income, "a", "10", 1, "9");
    add(t, RecordSide::Expense, "z", "1", 1, "1");
    add(t, RecordSide::Expense, "y", "2", 1, "1");
    SortIncomeRecords(t);
    const BudgetRecord& first = t.IncomeRecords[1];
    EXPECT_EQ(first.Description + "|" + first.AnnualAmount.toPlainString() + "|" +
                  first.PaymentsPerYear.toPlainString() + "|" +
                  first.AnnualBudgeted.toPlainString(),
              "a|10|1|9");
    EXPECT_EQ(names(t, RecordSide::Expense), "z|y");
    SortExpenseRecords(t);
    EXPECT_EQ(names(t, RecordSide::Expense), "y|z");
}

TEST(BudgetSort, FiveHundredRecordsComeOutOrderedAndNumbered) {
    BudgetTables t;
    for (int i = 0; i < MaxBudgetRecords; ++i) {
        const std::string amount = std::to_string((i * 7919) % 1000);
        add(t, RecordSide::Expense, "r" + std::to_string(i), amount.c_str(), 1, "0");
    }
    t.SortOrder = 3;
    SortExpenseRecords(t);
    for (int i = 1; i < MaxBudgetRecords; ++i) {
        EXPECT_GE(t.ExpenseRecords[static_cast<std::size_t>(i)].AnnualAmount,
                  t.ExpenseRecords[static_cast<std::size_t>(i + 1)].AnnualAmount);
        EXPECT_EQ(t.ExpenseRecords[static_cast<std::size_t>(i)].RecNo, i);
    }
}

} // namespace
