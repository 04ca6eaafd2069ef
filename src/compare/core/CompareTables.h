#pragma once
// The loan comparison's tables: the three plan columns as entered, alive while the program
// runs; leaving the worksheet resets them.
#include <array>
#include <cstdint>

#include "CompareFile.h"
#include "LoanPlan.h"

struct CompareTables {
    std::array<LoanPlan, MaxPlans> Plans{};
    std::int16_t CompareChanged = 0; // 1: entries changed since the plans were saved or read
};
