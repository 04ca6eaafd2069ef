#pragma once
// Comparison files (.Cmp): a first line "Pecunex","Compare",1, the number of plans, then one
// record per plan. Read through the shared sequential-file codec; anything a plan could not
// hold is refused with message 13, like every other file.
#include <string>
#include <string_view>
#include <vector>

#include "LoanPlan.h"
#include "Result.h"

constexpr int MaxPlans = 3;

std::string writeCompareFile(const std::vector<LoanPlan>& plans);
Result<std::vector<LoanPlan>> readCompareFile(std::string_view text);
