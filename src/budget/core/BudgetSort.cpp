#include "BudgetSort.h"

#include <algorithm>
#include <utility>

namespace {

unsigned char upper(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 'a' && u <= 'z' ? static_cast<unsigned char>(u - ('a' - 'A')) : u;
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

} // namespace

int compareBudgetNames(const std::string& a, const std::string& b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char x = upper(a[i]);
        const unsigned char y = upper(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

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

void SortIncomeRecords(BudgetTables& tables) {
    sortBudgetRecords(tables.IncomeRecords, tables.IncomeCount, tables.SortOrder);
}

void SortExpenseRecords(BudgetTables& tables) {
    sortBudgetRecords(tables.ExpenseRecords, tables.ExpenseCount, tables.SortOrder);
}
