#pragma once
// The budget as CSV (RFC 4180): "side,number,description,amount,budgeted", then one line
// per record, income first, in table order; amounts for the period with a period and two
// decimals, no thousands separators; no total lines.
#include <string>

#include "BudgetTables.h"

std::string budgetCsv(const BudgetTables& tables, int periodFactor);
