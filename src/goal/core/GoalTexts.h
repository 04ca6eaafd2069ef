#pragma once
// What the savings goal worksheet and its printout say, as text: the answer, the note
// beside an answer of 0, the summary above the solved plan, and the quick help.
#include <string>
#include <utility>
#include <vector>

#include "GoalSolver.h"
#include "NumberFormat.h"

// "$1,234.56" for an amount, "25" for years, "7.25%" for a rate.
std::string answerText(GoalUnknown unknown, Currency answer, const std::string& symbol,
                       const NumberSeparators& seps);
// "$500,000.00": an amount with its symbol.
std::string amountText(Currency amount, const std::string& symbol, const NumberSeparators& seps);
// Empty for GoalNote::None.
std::string noteText(GoalNote note);

// The lines above the solved plan in the printout, each a label and its figure; the note,
// when there is one, a label alone.
std::vector<std::pair<std::string, std::string>> goalSummary(const GoalInput& goal,
                                                             const GoalAnswer& answer,
                                                             const std::string& symbol,
                                                             const NumberSeparators& seps);

std::vector<std::string> goalQuickHelp(const std::string& symbol);
