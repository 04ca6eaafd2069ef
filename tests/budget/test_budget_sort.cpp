// The Shell sort of a side and its renumbering.
#include <gtest/gtest.h>

#include "BudgetSort.h"
#include "BudgetTestData.h"

namespace {

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

} // namespace
