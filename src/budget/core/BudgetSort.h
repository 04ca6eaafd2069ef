#pragma once
// Sorting a side's records by the chosen order, then renumbering them 1..count, so that
// RecNo always equals the row the record is shown in.
#include "BudgetTables.h"

// 1 names A-Z, 2 names Z-A (descriptions compared upper-cased, by character code),
// 3 yearly amounts high to low, 4 low to high. Any other order takes every pair for out
// of order. A Shell sort with the halving gap sequence, by adjacent swaps; the order it
// leaves equal keys in is part of its definition.
void sortBudgetRecords(BudgetList& records, int count, int sortOrder);

// The two sides, by `tables.SortOrder`.
void SortIncomeRecords(BudgetTables& tables);
void SortExpenseRecords(BudgetTables& tables);

// Name order: <0, 0, >0 as `a` sorts before, with, after `b` (only a-z are upper-cased).
int compareBudgetNames(const std::string& a, const std::string& b);
