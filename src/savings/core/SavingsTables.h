#pragma once
// The savings worksheet's own tables, under the names the worksheet uses for them. The
// application owns one instance while the program runs; the worksheet fills it when it
// loads and resets it (`tables = {}`) when it is left.
#include <array>
#include <cstdint>

#include "Currency.h"

// Rows 0..510 of the growth table: row k (1..N) is contribution period k, row N + 1 the
// total row. Columns 1..4: period number, invested, interest/growth, current value;
// column 5 of rows 1..Y holds the year-end values the graph draws. Row 0 and column 0
// stay zero.
constexpr int GrowthTableRows = 511;
using GrowthRow = std::array<Currency, 6>;
using GrowthTableArray = std::array<GrowthRow, GrowthTableRows>;

// Elements of SavingsInputs.
namespace savings_input {
constexpr int Lump = 1;         // L, invested at the start
constexpr int Contribution = 2; // C, invested at each contribution period
constexpr int Rate = 4;         // R, annual interest/growth rate in percent
constexpr int Increase = 5;     // G, yearly increase of the contribution in percent
constexpr int Inflation = 6;    // F, annual inflation rate in percent
constexpr int Years = 7;        // Y, whole years, at most 40
} // namespace savings_input

struct SavingsTables {
    std::array<Currency, 9> SavingsInputs{};
    GrowthTableArray GrowthTable{};
    // Number of periods N of the last calculation, kept for the printout.
    std::int16_t Periods = 0;
};
