#pragma once
// Sorting a side's records by the chosen order, then renumbering them 1..count, so that
// RecNo always equals the row the record is shown in.
#include "BudgetTables.h"

// The two sides, by `tables.SortOrder`.
void SortIncomeRecords(BudgetTables& tables);
void SortExpenseRecords(BudgetTables& tables);
