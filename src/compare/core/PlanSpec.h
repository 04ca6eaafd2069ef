#pragma once
// A plan written as text, `key=value` pairs separated by commas, as pecunex-report's
// `--plan` takes it: principal=250000,rate=5.25,years=25,lump=12:10000:shorten.
#include <string>
#include <string_view>

#include "LoanPlan.h"
#include "Result.h"

// The plan, or a failure whose text names the key at fault.
Result<LoanPlan> parsePlanSpec(std::string_view spec);

// The words of the lists, in the order of the plan's indexes.
std::string_view compoundingWord(int compounding); // monthly ... annual
std::string_view frequencyWord(int frequency);     // monthly ... weekly-acc
std::string_view conventionWord(Convention convention);

// The mortgage worksheet's entries for a plan under the worksheet convention: the plan's
// loan, with the days choice, yearly additional payments, dates and views it already holds.
AmortizationInput worksheetInput(const LoanPlan& plan);
// A plan under the worksheet convention from a mortgage or loan file's entries.
LoanPlan planFromWorksheet(const AmortizationInput& input);
