#pragma once
// The mortgage and loan planner's variables, live while its worksheet is open; leaving the
// worksheet resets them.
#include <array>
#include <cstdint>
#include <optional>

#include "Amortization.h"
#include "Currency.h"

struct MortgageTables {
    std::array<Currency, 6> LoanInputs{};
    std::array<std::array<Currency, 3>, MaxYears + 1> ExtraPayments{};
    std::int16_t ExtraPaymentCount = 0;
    std::int16_t ExtraPaymentsInUse = 0;
    std::int16_t DaysChoice = 1;                 // what it sets: daysInYearSet()
    std::optional<Amortization> PaymentSchedule; // the last calculation
};
