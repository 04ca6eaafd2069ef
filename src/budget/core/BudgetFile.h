#pragma once
// Budget files (.Bgt): the income count, one line per income record (RecNo, Description,
// AnnualAmount, PaymentsPerYear, AnnualBudgeted), the expense count, the expense records.
// Neither the period nor the sort order is stored.
#include <optional>
#include <string>
#include <string_view>

#include "BudgetTables.h"
#include "Result.h"

// The file text of both lists, in table order, CR LF line ends.
std::string writeBudgetFile(const BudgetTables& tables);

// Reads what it can into fresh tables (only the records and counts are filled). On a fault
// `error` holds message 13 and the tables keep what was read before it: the count as read
// and the records up to the faulty field. Refused besides malformed items: a count outside
// 0-500 (that side then keeps none), a negative or fractional count, a record number that
// is not a whole number from 1 to 500, a negative amount, payments a year that are negative
// or not whole. A UTF-8 byte-order mark at the start is skipped.
struct BudgetFileRead {
    BudgetTables tables;
    std::optional<Failure> error;
};
BudgetFileRead readBudgetFile(std::string_view text);
