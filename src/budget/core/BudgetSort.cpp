#include "BudgetSort.h"

#include <algorithm>
#include <utility>

namespace {

unsigned char upper(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 'a' && u <= 'z' ? static_cast<unsigned char>(u - ('a' - 'A')) : u;
}

// Name order: <0, 0, >0 as `a` sorts before, with, after `b` (only a-z are upper-cased).
int compareBudgetNames(const std::string& a, const std::string& b) {
    const auto order = std::lexicographical_compare_three_way(
        a.begin(), a.end(), b.begin(), b.end(),
        [](char x, char y) { return upper(x) <=> upper(y); });
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

// Whether record a may stand before record b under `order`; equal keys are in order.
bool inOrder(const BudgetRecord& a, const BudgetRecord& b, int order) {
    switch (order) {
    case 1:
        return compareBudgetNames(a.Description, b.Description) <= 0;
    case 2:
        return compareBudgetNames(a.Description, b.Description) >= 0;
    case 3:
        return a.AnnualAmount >= b.AnnualAmount;
    case 4:
        return a.AnnualAmount <= b.AnnualAmount;
    default:
        return false;
    }
}

// 1 names A-Z, 2 names Z-A (descriptions compared upper-cased, by character code),
// 3 yearly amounts high to low, 4 low to high. Any other order takes every pair for out
// of order. A Shell sort with the halving gap sequence, by adjacent swaps; the order it
// leaves equal keys in is part of its definition.
void sortBudgetRecords(BudgetList& records, int count, int sortOrder) {
    count = std::clamp(count, 0, MaxBudgetRecords);
    for (int gap = count / 2; gap > 0; gap /= 2) {
        for (int i = gap; i <= count - 1; ++i) {
            for (int j = i - gap + 1; j >= 1; j -= gap) {
                BudgetRecord& left = records[static_cast<std::size_t>(j)];
                BudgetRecord& right = records[static_cast<std::size_t>(j + gap)];
                if (inOrder(left, right, sortOrder))
                    break;
                std::swap(left, right);
            }
        }
    }
    for (int i = 1; i <= count; ++i)
        records[static_cast<std::size_t>(i)].RecNo = static_cast<std::int16_t>(i);
}

} // namespace

void SortIncomeRecords(BudgetTables& tables) {
    sortBudgetRecords(tables.IncomeRecords, tables.IncomeCount, tables.SortOrder);
}

void SortExpenseRecords(BudgetTables& tables) {
    sortBudgetRecords(tables.ExpenseRecords, tables.ExpenseCount, tables.SortOrder);
}
