#pragma once
// Savings goal files (.Gol) in the sequential text format: a first record naming the kind
// and version, "Pecunex","Goal",1; then what is solved for, the target and the money it
// is given in; then the plan's entries as the savings worksheet holds them.
//
//   "Pecunex","Goal",1
//   "contribution",500000,1
//   0,1200,"Annually",20,0,0,25
#include <string>
#include <string_view>

#include "GoalSolver.h"
#include "Result.h"

std::string writeGoalFile(const GoalInput& goal);

// The entries as stored. Message 13 for anything the worksheet could not have written: another
// kind or version, an unknown unknown or frequency, a negative amount, rate or target, a
// money flag other than 0 or 1, years that are not a whole number from 0 to 40, too few items.
Result<GoalInput> readGoalFile(std::string_view text);
