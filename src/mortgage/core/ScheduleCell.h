#pragma once
// Rounding a double working value into a Currency schedule cell, quickly.
//
// Currency::fromDouble rounds from the value's 15-significant-digit decimal form, which goes
// through digit strings. A schedule stores thousands of cells, so this takes the short way
// (scale by 10,000 and round) whenever the scaled value stands clearly away from a half: the
// decimal form then rounds the same way. Near a half, and for very large or non-finite values,
// it asks Currency::fromDouble, so the result is always the same as that one's.
#include <cmath>
#include <cstdint>

#include "Currency.h"

// The slow path: Currency::fromDouble. False for what a Currency cannot hold.
bool exactScheduleCell(double value, Currency& cell);

// False, leaving `cell` alone, for NaN, infinities and values a Currency cannot hold.
inline bool scheduleCell(double value, Currency& cell) {
    // Below 1e10 the 15-digit decimal form has at least four decimals and lies within
    // 5e-15 (relative) of the value; scaling adds one rounding more. A margin of 1e-14
    // relative keeps both on the same side of every half.
    if (std::fabs(value) < 1e10) {
        const double scaled = value * static_cast<double>(Currency::Scale);
        const auto whole = static_cast<std::int64_t>(scaled);                   // toward zero
        const double fraction = std::fabs(scaled - static_cast<double>(whole)); // exact below 2^52
        const double margin = 1e-14 * std::fabs(scaled) + 1e-300;
        if (std::fabs(fraction - 0.5) > margin) {
            const std::int64_t away = scaled < 0 ? -1 : 1;
            cell = Currency::fromRaw(fraction < 0.5 ? whole : whole + away);
            return true;
        }
    }
    return exactScheduleCell(value, cell);
}
