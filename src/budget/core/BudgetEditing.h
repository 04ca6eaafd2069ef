#pragma once
// Adding, replacing, bringing back and deleting budget records, on the tables alone.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "BudgetTables.h"

using EntryValueSet = std::array<Currency, 4>; // slots 1-3, as BudgetTables::EntryValues

// Boxes 1 and 3 must have data: a description, and payments a year whose leading number
// is not 0.
bool boxesFilled(std::string_view description, std::string_view paymentsText,
                 std::string_view decimalPoint = ".");

// The record the entries make: yearly figures as products in fixed-point currency.
// Nothing when a product does not fit.
std::optional<BudgetRecord> recordFromEntries(const std::string& description,
                                              const EntryValueSet& entries);

// Appends `record` as record count + 1 (its RecNo). False when the side is full.
bool appendRecord(BudgetTables& tables, RecordSide side, BudgetRecord record);

// Overwrites record `number` with `record`, keeping its RecNo. False for a number outside
// 1..count.
bool replaceRecord(BudgetTables& tables, RecordSide side, int number, BudgetRecord record);

// The per-payment entries of a stored record, as What If? brings them back:
// 1 = AnnualAmount / PaymentsPerYear, 2 = PaymentsPerYear, 3 = AnnualBudgeted / PaymentsPerYear
// (double divisions, rounded to currency). Nothing for 0 payments a year.
std::optional<EntryValueSet> entriesOfRecord(const BudgetRecord& record);

// Deletes record `number` (1..count): clears it, moves the rest up and renumbers them,
// clears the old last slot and lowers the count. False for a number outside 1..count.
bool deleteRecord(BudgetTables& tables, RecordSide side, int number);
