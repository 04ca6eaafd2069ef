#pragma once
// The savings goal worksheet's own tables: the plan's entries as the savings worksheet keeps
// them, the target and what is solved for. The application owns one instance while the
// program runs; the worksheet resets it (`tables = {}`) when it is left.
#include <array>
#include <cstdint>
#include <string>

#include "Currency.h"

struct GoalTables {
    std::array<Currency, 9> SavingsInputs{}; // by savings_input element
    std::string GoalFrequency = "Annually";
    Currency GoalTarget;
    std::int16_t GoalToday = 0;   // 1: the target is in today's money
    std::int16_t GoalSolve = 0;   // what is solved for, as GoalUnknown counts
    std::int16_t GoalChanged = 0; // 1: entries or an answer not saved since the last save or open
};
