// The series the worksheets hand to the graph window.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "Amortization.h"
#include "GraphSeries.h"

namespace {

Currency money(double v) {
    return *Currency::fromDouble(v);
}

// Value after each month of a plan paying 100 at the start of every month at 6 % a year,
// carried month by month.
std::vector<Currency> monthlyPlan(int months) {
    std::vector<Currency> values;
    double value = 0;
    for (int k = 1; k <= months; ++k) {
        value = (value + 100) * 1.005;
        values.push_back(money(value));
    }
    return values;
}

// Annuity due: 100 * ((1 + i)^n - 1) / i * (1 + i), i = 0.005 (hand formula).
double annuityDue(int months) {
    return 100 * (std::pow(1.005, months) - 1) / 0.005 * 1.005;
}

} // namespace

TEST(SavingsSeries, TwentyFiveYearMonthlyPlanHasOneBarPerYearAtMonthTwelveY) {
    const std::vector<Currency> months = monthlyPlan(300);
    const GraphTable table = savingsSeries(yearEndValues(months, 12));
    ASSERT_EQ(table.size(), 25u);
    for (int y = 1; y <= 25; ++y) {
        SCOPED_TRACE(y);
        EXPECT_EQ(table[static_cast<std::size_t>(y - 1)].year, y);
        EXPECT_NEAR(table[static_cast<std::size_t>(y - 1)].value.toDouble(), annuityDue(12 * y),
                    0.01);
    }
    const ChartData data = chartData(table, 25, std::string(SavingsGraphTitle), "$");
    ASSERT_EQ(data.values.size(), 25u);
    EXPECT_EQ(data.labels.front() + "|" + data.labels.back(), "1|25");
    EXPECT_NEAR(data.values[24], annuityDue(300), 0.01);
    EXPECT_EQ(data.title, "Investment value at end of each Year");
}

TEST(SavingsSeries, YearEndsAreTheLastPeriodOfEachWholeYear) {
    const std::vector<Currency> periods = {money(1), money(2), money(3), money(4), money(5),
                                           money(6), money(7), money(8), money(9)};
    const struct {
        int perYear;
        std::vector<double> expected;
    } cases[] = {
        {1, {1, 2, 3, 4, 5, 6, 7, 8, 9}}, // yearly: every period
        {4, {4, 8}},                      // quarterly: period 9 starts a third year
        {12, {}},                         // less than a year
        {0, {}},                          // no periods a year: nothing
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.perYear);
        std::vector<double> got;
        for (Currency v : yearEndValues(periods, c.perYear))
            got.push_back(v.toDouble());
        EXPECT_EQ(got, c.expected);
    }
}

TEST(SavingsSeries, OneYearPlanIsDrawnWithTwoPointsTheSecondEmpty) {
    const std::vector<Currency> months = monthlyPlan(12);
    const GraphTable table = savingsSeries(yearEndValues(months, 12));
    const ChartData data = chartData(table, 1, "t", "$");
    ASSERT_EQ(data.values.size(), 2u);
    EXPECT_NEAR(data.values[0], annuityDue(12), 0.01);
    EXPECT_EQ(data.labels[1] + "|" + std::to_string(data.values[1]), "2|0.000000");
    EXPECT_TRUE(chartData(table, 0, "t", "$").values.empty());
}

namespace {

AmortizationInput loan(double principal, double rate, int years, int view) {
    AmortizationInput in;
    in.principal = money(principal);
    in.ratePercent = money(rate);
    in.termYears = Currency::fromWhole(years);
    in.compounding = std::string(CompoundingEntries[0]); // monthly
    in.frequency = std::string(FrequencyEntries[0]);     // monthly
    in.scheduleView = view;
    return in;
}

std::vector<double> values(const GraphTable& t) {
    std::vector<double> out;
    for (const GraphPoint& p : t)
        out.push_back(p.value.toDouble());
    return out;
}

} // namespace

TEST(MortgageSeries, StartsWithThePrincipalAndEndsAtZero) {
    // 10,000 at 12 % over two years, monthly: balance after 12 payments by the annuity
    // formula B = P(1+i)^12 - A((1+i)^12 - 1)/i, A = P i / (1 - (1+i)^-24).
    const double i = 0.01, a = 10000 * i / (1 - std::pow(1 + i, -24));
    const double afterYear1 = 10000 * std::pow(1 + i, 12) - a * (std::pow(1 + i, 12) - 1) / i;
    const auto all = amortize(loan(10000, 12, 2, 2));
    ASSERT_TRUE(all.ok());
    const GraphTable table = mortgageSeries(all.value(), false, money(10000));
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table[0], (GraphPoint{1, money(10000)}));
    EXPECT_NEAR(table[1].value.toDouble(), afterYear1, 0.02);
    EXPECT_EQ(table[2], (GraphPoint{3, Currency{}}));
    EXPECT_EQ(mortgageScheduleYears(table), 2);
}

TEST(MortgageSeries, ShortLastYearCountsAsAYearInBothViews) {
    // An additional 4,000 in year 1 pays the loan off early in year 3 of a 3-year term.
    AmortizationInput in = loan(20000, 9, 3, 2);
    in.extraPayments[1] = Currency::fromWhole(4000);
    const auto all = amortize(in);
    ASSERT_TRUE(all.ok());
    const Amortization& s = all.value();
    ASSERT_GT(s.last, 24);
    ASSERT_LT(s.last, 36);
    const GraphTable table = mortgageSeries(s, false, in.principal);
    ASSERT_EQ(table.size(), 4u); // principal, after years 1 and 2, after the short year 3
    EXPECT_EQ(mortgageScheduleYears(table), 3);
    EXPECT_EQ(table[1].value, s.rows[12].balance);
    EXPECT_EQ(table[2].value, s.rows[24].balance);
    EXPECT_TRUE(table[3].value.isZero());

    in.scheduleView = 1;
    const auto annual = amortize(in);
    ASSERT_TRUE(annual.ok());
    EXPECT_EQ(values(mortgageSeries(annual.value(), true, in.principal)), values(table));

    const ChartData data = mortgageChart(s, false, in.principal, "$");
    EXPECT_EQ(data.values.size(), 3u); // the final zero is not a bar of its own
    EXPECT_EQ(data.title, "Mortgage balance at start of each Year");
}

TEST(MortgageSeries, OneYearLoanShowsThePrincipalAndTheFinalBalance) {
    AmortizationInput in = loan(6000, 10, 1, 2);
    in.mortgageMode = 2;
    const auto s = amortize(in);
    ASSERT_TRUE(s.ok());
    const ChartData data = mortgageChart(s.value(), false, in.principal, "$");
    EXPECT_EQ(data.values, (std::vector<double>{6000, 0}));
    EXPECT_EQ(data.labels, (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(data.title, "Personal Loan balance at start of each Year");
}
