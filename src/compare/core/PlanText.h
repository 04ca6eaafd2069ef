#pragma once
// A plan written as text, `key=value` pairs separated by commas, as pecunex-report's
// `--plan` takes it: principal=250000,rate=5.25,years=25,lump=12:10000:shorten.
#include <string>
#include <string_view>

#include "LoanPlan.h"
#include "Result.h"

// The plan, or a failure whose text names the key at fault.
Result<LoanPlan> parsePlanText(std::string_view planText);
// A whole plan as --plan gives it: parsed, with its principal and rate, a loan date and a
// first payment date together or neither, and no key its convention does not use.
Result<LoanPlan> parsePlanOption(std::string_view planText);

// The words of the lists, in the order of the plan's indexes.
std::string_view compoundingWord(int compounding); // monthly ... annual
std::string_view frequencyWord(int frequency);     // monthly ... weekly-acc
std::string_view conventionWord(Convention convention);
// The convention a word names; nothing for any other word.
std::optional<Convention> conventionFromWord(std::string_view word);

// A plan under the worksheet convention from a mortgage or loan file's entries.
LoanPlan planFromWorksheet(const AmortizationInput& input);

// The worksheet's lists of lump sums and of renewals: the items --plan's `lump` and `renew`
// take, separated by semicolons ("12:5000:shorten; 60:10000:lower", "60:4.5"), blanks
// around them ignored, "s" and "l" short for shorten and lower. A failure's text is the
// item at fault.
Result<std::vector<LumpSum>> parseLumpList(std::string_view text);
Result<std::vector<Renewal>> parseRenewalList(std::string_view text);
std::string lumpListText(const std::vector<LumpSum>& lumps);
std::string renewalListText(const std::vector<Renewal>& renewals);
