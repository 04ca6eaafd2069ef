#include "Growth.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "Messages.h"

const std::array<SavingsFrequency, 3> SavingsFrequencies = {{
    {"Annually", 1, " Year  Number"},
    {"Quarterly", 4, "Quarter Number"},
    {"Monthly", 12, " Month Number"},
}};

std::optional<SavingsFrequency> savingsFrequency(std::string_view text) {
    const auto f = std::ranges::find(SavingsFrequencies, text, &SavingsFrequency::text);
    return f == SavingsFrequencies.end() ? std::nullopt : std::optional(*f);
}

GrowthInput defaultGrowthInput() {
    GrowthInput in;
    in.contribution = Currency::fromWhole(1200);
    in.ratePercent = Currency::fromWhole(20);
    in.years = 25;
    return in;
}

GrowthInput growthInputFrom(const std::array<Currency, 9>& savingsInputs, std::string frequency) {
    namespace e = savings_input;
    GrowthInput in;
    in.lump = savingsInputs[e::Lump];
    in.contribution = savingsInputs[e::Contribution];
    in.ratePercent = savingsInputs[e::Rate];
    in.increasePercent = savingsInputs[e::Increase];
    in.inflationPercent = savingsInputs[e::Inflation];
    in.years = static_cast<int>(savingsInputs[e::Years].raw() / Currency::Scale);
    in.frequency = std::move(frequency);
    return in;
}

std::array<Currency, 9> savingsInputsOf(const GrowthInput& input) {
    namespace e = savings_input;
    std::array<Currency, 9> out{};
    out[e::Lump] = input.lump;
    out[e::Contribution] = input.contribution;
    out[e::Rate] = input.ratePercent;
    out[e::Increase] = input.increasePercent;
    out[e::Inflation] = input.inflationPercent;
    out[e::Years] = Currency::fromWhole(input.years);
    return out;
}

double periodicRate(double percent, int periods) {
    const double n = periods;
    const double p = std::pow(1.0 + percent / 100.0, 1.0 / n) - 1.0;
    const double nominal = p * n * 100.0;
    return nominal / 100.0 / n;
}

PeriodicRates periodicRates(const GrowthInput& input, int periodsPerYear) {
    return {static_cast<float>(periodicRate(input.ratePercent.toDouble(), periodsPerYear)),
            periodicRate(input.increasePercent.toDouble(), periodsPerYear),
            periodicRate(input.inflationPercent.toDouble(), periodsPerYear)};
}

namespace {

// A currency value that does not fit ends the calculation.
struct Overflow : std::overflow_error {
    using std::overflow_error::overflow_error;
};

Currency checked(std::optional<Currency> c) {
    if (!c)
        throw Overflow("value out of the currency range");
    return *c;
}

Currency money(double value) {
    return checked(Currency::fromDouble(value));
}

// One period's interest: the amount times the single-precision rate, formed in double.
Currency periodInterest(double amount, float rate) {
    return money(amount * static_cast<double>(rate));
}

void fill(Growth& g, const GrowthInput& in, const PeriodicRates& rates) {
    // Period 1: the lump sum and the first contribution, both invested at the start.
    const Currency invested1 = checked(in.lump.plus(in.contribution));
    const Currency interest1 = periodInterest(invested1.toDouble(), rates.rate);
    double value = checked(invested1.plus(interest1)).toDouble();
    value = value - value * rates.inflation;
    Currency total = invested1;
    Currency contribution = in.contribution;
    g.rows[1] = {Currency{}, Currency::fromWhole(1), invested1,
                 interest1,  money(value),           Currency{}};

    for (int k = 2; k <= g.periods; ++k) {
        const double c = contribution.toDouble();
        contribution = money(c + c * rates.increase);
        const double base = value + contribution.toDouble();
        const Currency interest = periodInterest(base, rates.rate);
        value = base + interest.toDouble();
        value = value - value * rates.inflation;
        total = checked(total.plus(contribution));
        g.rows[static_cast<std::size_t>(k)] = {Currency{}, Currency::fromWhole(k), contribution,
                                               interest,   money(value),           Currency{}};
    }

    GrowthRow& totalRow = g.rows[static_cast<std::size_t>(g.totalRow)];
    totalRow[1] = Currency::fromWhole(g.totalRow - 1);
    totalRow[2] = total;
    totalRow[4] = money(value);
    totalRow[3] = checked(totalRow[4].minus(totalRow[2]));
}

} // namespace

Result<Growth> calculateGrowth(const GrowthInput& input) {
    const auto frequency = savingsFrequency(input.frequency);
    if (!frequency || input.years < 0 || input.years > MaxSavingsYears)
        return Failure{msg::WrongOrMissingEntry, "no such frequency or years out of range"};
    Growth g;
    g.periodsPerYear = frequency->periodsPerYear;
    g.years = input.years;
    g.periods = input.years * frequency->periodsPerYear;
    // Period 1 is always calculated; with no periods the total row is row 2.
    g.totalRow = g.periods == 0 ? 2 : g.periods + 1;
    try {
        fill(g, input, periodicRates(input, g.periodsPerYear));
    } catch (const Overflow& fault) {
        return Failure{msg::CannotCalculate, fault.what()};
    }
    return g;
}

std::vector<Currency> yearEndSeries(const Growth& growth) {
    std::vector<Currency> series;
    series.reserve(static_cast<std::size_t>(growth.years));
    for (int k = growth.periodsPerYear; k <= growth.periods; k += growth.periodsPerYear)
        series.push_back(growth.rows[static_cast<std::size_t>(k)][4]);
    return series;
}

void storeGrowth(SavingsTables& tables, const Growth& growth) {
    // Rows past the total row keep what they held.
    for (int k = 1; k <= growth.totalRow; ++k) {
        const GrowthRow& from = growth.rows[static_cast<std::size_t>(k)];
        GrowthRow& to = tables.GrowthTable[static_cast<std::size_t>(k)];
        for (int col = 1; col <= 4; ++col)
            to[static_cast<std::size_t>(col)] = from[static_cast<std::size_t>(col)];
    }
    tables.Periods = static_cast<std::int16_t>(growth.periods);
    const std::vector<Currency> series = yearEndSeries(growth);
    for (std::size_t y = 1; y <= series.size(); ++y) {
        tables.GrowthTable[y][1] = Currency::fromWhole(static_cast<std::int32_t>(y));
        tables.GrowthTable[y][5] = series[y - 1];
    }
}
