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
    std::int16_t DaysChoice = 1;
    float DaysInYear = 365;
    double TwoWeekPeriods = 26.07142857;
    double WeekPeriods = 52.14285714;
    std::int16_t SchedulePaymentsPerYear = 12;
    float YearsToFinal = 0;
    std::optional<Amortization> PaymentSchedule; // the last calculation
};

// Sets the days choice and the three values it decides together, so the worksheet never
// reads a choice whose values were not set yet.
inline void setDaysChoice(MortgageTables& tables, int choice) {
    const DaysInYearSet set = daysInYearSet(choice);
    tables.DaysChoice = static_cast<std::int16_t>(choice);
    tables.DaysInYear = set.daysInYear;
    tables.TwoWeekPeriods = set.twoWeekPeriods;
    tables.WeekPeriods = set.weekPeriods;
}
