#pragma once
// The savings growth run backwards: from a target value at the end of the plan, the one
// entry that reaches it - the contribution each period, the lump sum at the start, the
// whole years or the annual rate. The engine itself answers every trial; the solver only
// chooses the figures it tries. The answer is the smallest figure on its step (a cent,
// a year, 0.01 %) whose plan reaches the target while one step less does not, and the
// solver runs both plans once more before it answers.
#include <array>
#include <optional>
#include <string_view>

#include "Currency.h"
#include "Growth.h"
#include "Result.h"

struct GoalTables;

enum class GoalUnknown { Contribution, Lump, Years, Rate };

// How each unknown is named: the report's --solve value, the worksheet's list entry and
// the printout's word.
struct GoalUnknownNames {
    GoalUnknown unknown;
    std::string_view option;
    std::string_view listText;
    std::string_view printed;
};
extern const std::array<GoalUnknownNames, 4> GoalUnknowns;
const GoalUnknownNames& namesOf(GoalUnknown unknown);
std::optional<GoalUnknown> unknownFromOption(std::string_view option);

struct GoalInput {
    GrowthInput plan; // the savings entries; the one solved for is not read
    Currency target;
    bool today = false; // the target is in today's money
    GoalUnknown solve = GoalUnknown::Contribution;
};

// The worksheet's tables as the solver's input, and back.
GoalInput goalInputFrom(const GoalTables& tables);
void storeGoalInput(GoalTables& tables, const GoalInput& goal);
// The worksheet's defaults: the savings defaults, 500,000.00 in today's money, solved for the
// contribution.
GoalInput defaultGoalInput();

// Said beside an answer of 0: the other amounts reach the target on their own.
enum class GoalNote { None, LumpAlone, ContributionsAlone, NoGrowthNeeded };

struct GoalAnswer {
    GoalUnknown solve = GoalUnknown::Contribution;
    Currency answer;     // money, a rate in percent, or whole years
    GrowthInput plan;    // the plan the target was compared with, the answer in it
    Growth growth;       // that plan, calculated
    Currency value;      // the last year's value without inflation
    Currency valueToday; // the last year's value with the plan's inflation: today's money
    GoalNote note = GoalNote::None;
};

// The answer, or the message that says why there is none: 3 for a missing target or plan
// years, 26 when the figures overflow, a goal message (see Messages.h) when no figure on
// the unknown's range reaches the target.
Result<GoalAnswer> solveGoal(const GoalInput& goal);
