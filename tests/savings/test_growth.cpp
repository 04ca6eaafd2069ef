// The growth engine against figures worked out by hand or given with the rules. The first
// periods of a quarterly plan with increase and inflation are pinned by the reference printout.
#include <gtest/gtest.h>

#include <cmath>

#include "Growth.h"
#include "Messages.h"

namespace {

double money(Currency c) {
    return c.toDouble();
}

GrowthInput plan(double lump, double contribution, double rate, int years,
                 const char* frequency = "Annually", double increase = 0, double inflation = 0) {
    const auto c = [](double v) { return *Currency::fromDouble(v); };
    return {c(lump), c(contribution), c(rate), c(increase), c(inflation), years, frequency};
}

TEST(GrowthEngine, WorkedFiguresOfTheRules) {
    const struct {
        const char* source;
        GrowthInput in;
        double invested, value, tolerance;
    } cases[] = {
        // 1,000 * sum(1.2^k, k = 1..25) = 566,377.30; the single-precision rate moves the cents
        {"rules: C = 1,000 at 20 %", plan(0, 1000, 20, 25), 25000, 566377.30, 0.05},
        // 1,000 * 1.2^25 = 95,396.2156
        {"rules: L = 1,000 at 20 %", plan(1000, 0, 20, 25), 1000, 95396.22, 0.005},
        // 30,000 * 0.95^25 = 8,321.6942
        {"rules: 5 % inflation", plan(30000, 0, 0, 25, "Annually", 0, 5), 30000, 8321.69, 0.005},
        // 30,000 * 1.05^25 = 101,590.6504
        {"rules: -5 % inflation", plan(30000, 0, 0, 25, "Annually", 0, -5), 30000, 101590.65,
         0.005},
        // 1,000 * 1.12 after twelve months: the monthly rate compounds to the annual one
        {"hand: monthly 12 % on a lump sum", plan(1000, 0, 12, 1, "Monthly"), 1000, 1120.00, 0.01},
        // 1,000 * 1.07 after four quarters
        {"hand: quarterly 7 % on a lump sum", plan(1000, 0, 7, 1, "Quarterly"), 1000, 1070.00,
         0.01},
        // 1,000 * 1.10 * 1.05: a negative inflation rate raises the value beyond the interest
        {"hand: 10 % and -5 % inflation", plan(1000, 0, 10, 1, "Annually", 0, -5), 1000, 1155.00,
         0.0001},
        {"hand: nothing invested", plan(0, 0, 20, 25), 0, 0, 0},
    };
    for (const auto& c : cases) {
        const Result<Growth> g = calculateGrowth(c.in);
        ASSERT_TRUE(g.ok()) << c.source;
        const GrowthRow& total = g->rows[static_cast<std::size_t>(g->totalRow)];
        EXPECT_EQ(money(total[2]), c.invested) << c.source;
        EXPECT_NEAR(money(total[4]), c.value, c.tolerance) << c.source;
        // The total's growth is the end value less what went in, whatever the inflation did.
        EXPECT_EQ(total[3], *total[4].minus(total[2])) << c.source;
    }
}

TEST(GrowthEngine, PeriodicRatesCompoundToTheAnnualRate) {
    // (1.12)^(1/12) - 1 = 0.948879 %, not 1 %
    EXPECT_NEAR(periodicRate(12, 12) * 100, 0.9489, 0.00005);
    EXPECT_NEAR(periodicRate(20, 1), 0.20, 1e-15);
    EXPECT_NEAR(periodicRate(-5, 4), std::pow(0.95, 0.25) - 1, 1e-15);
    const PeriodicRates r = periodicRates(plan(0, 0, 12, 1, "Monthly", 5, 3), 12);
    EXPECT_EQ(r.rate, static_cast<float>(periodicRate(12, 12))); // single precision
    EXPECT_NEAR(r.increase, std::pow(1.05, 1.0 / 12) - 1, 1e-15);
    EXPECT_NEAR(r.inflation, std::pow(1.03, 1.0 / 12) - 1, 1e-15);
}

TEST(GrowthEngine, RowsAnnuallyWithoutIncreaseOrInflation) {
    // Hand: 1,000 a year at 20 %: value 1,200, then (1,200 + 1,000) * 1.2 = 2,640, then
    // (2,640 + 1,000) * 1.2 = 4,368.
    const Result<Growth> g = calculateGrowth(plan(0, 1000, 20, 3));
    ASSERT_TRUE(g.ok());
    const double expected[][4] = {{1, 1000, 200, 1200},
                                  {2, 1000, 440, 2640},
                                  {3, 1000, 728, 4368},
                                  {3, 3000, 1368, 4368}}; // the total row
    for (int k = 1; k <= 4; ++k)
        for (int col = 1; col <= 4; ++col)
            EXPECT_EQ(money(g->rows[k][col]), expected[k - 1][col - 1])
                << "row " << k << " col " << col;
    EXPECT_EQ(g->periods, 3);
    EXPECT_EQ(g->totalRow, 4);
}

TEST(GrowthEngine, NoYearsStillCalculatesTheFirstPeriod) {
    const Result<Growth> none = calculateGrowth(plan(0, 1200, 20, 0));
    const Result<Growth> one = calculateGrowth(plan(0, 1200, 20, 1));
    ASSERT_TRUE(none.ok() && one.ok());
    EXPECT_EQ(std::tuple(none->periods, none->totalRow), std::tuple(0, 2));
    EXPECT_TRUE(none->rows[1] == one->rows[1] && none->rows[2] == one->rows[2]);
    // hand: 1,200 + 240 = 1,440; total row column 1 is its row number - 1
    EXPECT_EQ(std::pair(money(none->rows[2][1]), money(none->rows[2][4])), std::pair(1.0, 1440.0));
    EXPECT_TRUE(yearEndSeries(*none).empty());
}

TEST(GrowthEngine, FaultsAreMessagesNotCrashes) {
    const struct {
        const char* what;
        GrowthInput in;
        int code;
    } cases[] = {
        {"currency overflow of the value", plan(9e14, 0, 20, 40), msg::CannotCalculate},
        {"sum of lump and contribution", plan(9e14, 9e14, 0, 1), msg::CannotCalculate},
        {"a rate growing past every range", plan(1000, 0, 1e9, 40, "Monthly"),
         msg::CannotCalculate},
        {"a contribution growing out of range", plan(0, 1e6, 0, 40, "Monthly", 1e9),
         msg::CannotCalculate},
        {"not a list entry", plan(0, 1, 1, 1, "Weekly"), msg::WrongOrMissingEntry},
        {"above forty years", plan(0, 1, 1, 41), msg::WrongOrMissingEntry},
    };
    for (const auto& c : cases) {
        const Result<Growth> g = calculateGrowth(c.in);
        ASSERT_FALSE(g.ok()) << c.what;
        EXPECT_EQ(g.failure().code, c.code) << c.what;
    }
}

TEST(GrowthEngine, YearEndSeriesAndTheTables) {
    const Result<Growth> g = calculateGrowth(plan(4000, 600, 7, 12, "Quarterly", 2, 2.5));
    ASSERT_TRUE(g.ok());
    const std::vector<Currency> series = yearEndSeries(*g);
    ASSERT_EQ(series.size(), 12u);
    SavingsTables tables;
    tables.GrowthTable[60][4] = Currency::fromWhole(7); // past the total row: kept
    tables.GrowthTable[3][5] = Currency::fromWhole(9);  // a year end: replaced
    storeGrowth(tables, *g);
    EXPECT_TRUE(tables.GrowthTable[13][5].isZero());
    EXPECT_EQ(tables.Periods, 48);
    EXPECT_EQ(tables.GrowthTable[49], g->rows[49]); // the total row
    EXPECT_EQ(tables.GrowthTable[60][4], Currency::fromWhole(7));
    for (std::size_t y = 1; y <= 12; ++y) { // year number = period number here
        EXPECT_EQ(series[y - 1], g->rows[4 * y][4]) << y;
        EXPECT_EQ(tables.GrowthTable[y][1], Currency::fromWhole(static_cast<int>(y))) << y;
        EXPECT_EQ(tables.GrowthTable[y][5], series[y - 1]) << y;
    }
}

TEST(GrowthEngine, EntriesRoundTripThroughSavingsInputs) {
    const GrowthInput in = plan(4000.5, 600, 7.25, 12, "Monthly", -2, 2.5);
    const GrowthInput back = growthInputFrom(savingsInputsOf(in), "Monthly");
    EXPECT_EQ(std::tuple(back.lump, back.contribution, back.ratePercent, back.increasePercent,
                         back.inflationPercent, back.years),
              std::tuple(in.lump, in.contribution, in.ratePercent, in.increasePercent,
                         in.inflationPercent, 12));
}

} // namespace
