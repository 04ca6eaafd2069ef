#pragma once
// Actuals files (.Act) in the sequential text format: the kind and version, the budget
// file's path (relative to the actuals file's folder), the transactions, the rules.
//
//   "Pecunex","Actuals",1
//   "budget.Bgt"
//   2
//   "2025-03-01",-1200,"RENT MARCH","","FITID or empty"
//   "2025-03-03",-143.2,"SAFEWAY #1234","",""
//   1
//   "RENT","Rent"
#include <filesystem>
#include <string>
#include <string_view>

#include "Actuals.h"
#include "Result.h"

constexpr int MaxActualTransactions = 1000000;
constexpr int MaxActualRules = 10000;

std::string writeActualFile(const Actuals& actuals);

// Message 13 for anything the worksheet could not have written: another kind or version,
// a date that is not ISO, counts outside their limits, an empty rule text or record, items
// missing or left over.
Result<Actuals> readActualFile(std::string_view text);

// `budget` as the actuals file `actualsFile` names it: relative to its folder when both lie
// on one root, else absolute; and back.
std::string relativeBudgetPath(const std::filesystem::path& actualsFile,
                               const std::filesystem::path& budget);
std::filesystem::path budgetPathOf(const std::filesystem::path& actualsFile,
                                   const std::string& stored);
