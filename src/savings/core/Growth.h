#pragma once
// The investment growth engine: a lump sum and a contribution at the start of every
// period, compounded at the contribution frequency, the contribution growing by a yearly
// rate and the value adjusted for inflation. Pure and deterministic; the running value is
// a double, every stored cell is Currency.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Currency.h"
#include "Result.h"
#include "SavingsTables.h"

constexpr int MaxSavingsYears = 40;

// An entry of the frequency list: its exact text, the periods in a year and the heading of
// the grid's first column.
struct SavingsFrequency {
    std::string_view text;
    int periodsPerYear;
    std::string_view periodHeading;
};
extern const std::array<SavingsFrequency, 3> SavingsFrequencies;
// The list entry with exactly this text.
std::optional<SavingsFrequency> savingsFrequency(std::string_view text);

struct GrowthInput {
    Currency lump;             // L
    Currency contribution;     // C
    Currency ratePercent;      // R, 20 = 20 %
    Currency increasePercent;  // G
    Currency inflationPercent; // F
    int years = 25;            // Y
    std::string frequency{"Annually"};
};

// The worksheet's defaults: no lump sum, 1,200.00 a year at 20 % for 25 years.
GrowthInput defaultGrowthInput();
// The entries as SavingsInputs holds them, and back.
GrowthInput growthInputFrom(const std::array<Currency, 9>& savingsInputs, std::string frequency);
std::array<Currency, 9> savingsInputsOf(const GrowthInput& input);

// The rate per period that compounds to `percent` over a year of `periods` periods, taken
// through the nominal annual figure: ((1 + P/100)^(1/n) - 1) * n * 100 / 100 / n.
double periodicRate(double percent, int periods);

struct PeriodicRates {
    float rate;       // r, interest/growth (single precision)
    double increase;  // g
    double inflation; // f
};
PeriodicRates periodicRates(const GrowthInput& input, int periodsPerYear);

struct Growth {
    int periods = 0;         // N = Y * n
    int periodsPerYear = 1;  // n
    int years = 0;           // Y
    int totalRow = 2;        // N + 1, or 2 when N is 0
    GrowthTableArray rows{}; // columns 1..4 filled for rows 1..totalRow; column 5 empty
};

// Message 26 ("Cannot calculate.") when a currency value overflows, message 3 for a
// frequency not in the list or years outside 0..40.
Result<Growth> calculateGrowth(const GrowthInput& input);

// The current value at the end of each year 1..Y, for the graph.
std::vector<Currency> yearEndSeries(const Growth& growth);

// Copies a calculation into the worksheet's tables: the rows, N, and the year-end series
// (row y: column 1 = y, column 5 = the value at the end of year y).
void storeGrowth(SavingsTables& tables, const Growth& growth);
