// The graphs' pure core: the series the worksheets hand over, the value axis and the year
// labels, where the bars go, and the graph options of the batch report.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "Amortization.h"
#include "BarGeometry.h"
#include "ChartScale.h"
#include "GraphOptions.h"
#include "GraphSeries.h"
#include "MortgageGraph.h"

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

AmortizationInput loan(double principal, double rate, int years) {
    AmortizationInput in;
    in.principal = money(principal);
    in.ratePercent = money(rate);
    in.termYears = Currency::fromWhole(years);
    in.compounding = std::string(CompoundingEntries[0]); // monthly
    in.frequency = std::string(FrequencyEntries[0]);     // monthly
    return in;
}

const ChartFrame Plain{600, 400, 0, 0, 0, 0}; // no bands, no border

} // namespace

TEST(SavingsSeries, MonthlyPlanHasOneBarPerYearAtMonthTwelveY) {
    const std::vector<Currency> months = monthlyPlan(300);
    const GraphTable table = savingsSeries(yearEndValues(months, 12));
    ASSERT_EQ(table.size(), 25u);
    for (int y = 1; y <= 25; ++y) {
        SCOPED_TRACE(y);
        EXPECT_EQ(table[static_cast<std::size_t>(y - 1)].year, y);
        EXPECT_NEAR(table[static_cast<std::size_t>(y - 1)].value.toDouble(), annuityDue(12 * y),
                    0.01);
    }
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

// What the graph window draws of a worksheet's graph: the goal's target over its bars, a
// lone bar padded to two, grouped series under their own labels only when there is one per bar.
TEST(WorksheetGraphChart, SeriesTargetAndGroupLabels) {
    const std::vector<Currency> oneYear = {money(1200)};
    const WorksheetGraph goal = goalGraph(oneYear, money(5000));
    WorksheetGraph records{
        .title = "Budgeted and actual",
        .bars = 2,
        .groups = {{"Budget", {{1, money(10)}, {2, money(20)}}}, {"Actual", {{1, money(15)}}}},
        .labels = {"Rent", "Food"}};
    WorksheetGraph unlabelled = records;
    unlabelled.labels = {"Rent"};
    const struct {
        const WorksheetGraph* graph;
        std::string labels;
        std::vector<double> values;
        std::optional<double> target;
        std::vector<double> second;
    } cases[] = {
        {&goal, "1,2", {1200, 0}, 5000, {}},
        {&records, "Rent,Food", {}, {}, {15, 0}},
        {&unlabelled, "1,2", {}, {}, {15, 0}},
    };
    for (const auto& c : cases) {
        const ChartData data = chartData(*c.graph, "$");
        SCOPED_TRACE(c.labels);
        std::string labels;
        for (const std::string& l : data.labels)
            labels += (labels.empty() ? "" : ",") + l;
        EXPECT_EQ(labels, c.labels);
        EXPECT_EQ(data.title, c.graph->title);
        EXPECT_EQ(data.values, c.values);
        EXPECT_EQ(data.target, c.target);
        EXPECT_EQ(data.series.size() > 1 ? data.series[1].values : std::vector<double>{}, c.second);
    }
    EXPECT_EQ(goal.title, "Value at end of each Year and the target");
}

TEST(MortgageSeries, StartsWithThePrincipalAndEndsAtZero) {
    // 10,000 at 12 % over two years, monthly: balance after 12 payments by the annuity
    // formula B = P(1+i)^12 - A((1+i)^12 - 1)/i, A = P i / (1 - (1+i)^-24).
    const double i = 0.01, a = 10000 * i / (1 - std::pow(1 + i, -24));
    const double afterYear1 = 10000 * std::pow(1 + i, 12) - a * (std::pow(1 + i, 12) - 1) / i;
    const auto all = amortize(loan(10000, 12, 2));
    ASSERT_TRUE(all.ok());
    const GraphTable table = mortgageSeries(all.value());
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table[0], (GraphPoint{1, money(10000)}));
    EXPECT_NEAR(table[1].value.toDouble(), afterYear1, 0.02);
    EXPECT_EQ(table[2], (GraphPoint{3, Currency{}}));
    EXPECT_EQ(mortgageScheduleYears(table), 2);
}

TEST(MortgageSeries, ShortLastYearCountsAsAYearInBothViews) {
    // An additional 4,000 in year 1 pays the loan off early in year 3 of a 3-year term.
    AmortizationInput in = loan(20000, 9, 3);
    in.extraPayments[1] = Currency::fromWhole(4000);
    const auto all = amortize(in);
    ASSERT_TRUE(all.ok());
    const Amortization& s = all.value();
    ASSERT_TRUE(s.payments.size() > 24 && s.payments.size() < 36);
    const GraphTable table = mortgageSeries(s);
    ASSERT_EQ(table.size(), 4u); // principal, after years 1 and 2, after the short year 3
    EXPECT_EQ(mortgageScheduleYears(table), 3);
    EXPECT_EQ(table[1].value, s.payments[11].balance);
    EXPECT_TRUE(table[3].value.isZero());

    in.scheduleView = ScheduleView::AnnualTotals;
    const auto annual = amortize(in);
    ASSERT_TRUE(annual.ok());
    EXPECT_EQ(mortgageSeries(annual.value()), table);

    const ChartData data = mortgageChart(s, "$");
    EXPECT_EQ(data.values.size(), 3u); // the final zero is not a bar of its own
}

TEST(AxisScale, RoundStepCoversEveryValueAndZero) {
    const struct {
        std::vector<double> values;
        double minimum, maximum, step;
    } cases[] = {
        // hand-worked: the smallest of 1, 2, 2.5, 5 x 10^k giving at most 8 intervals
        {{917.53}, 0, 1000, 200},       {{100000, 73000}, 0, 100000, 20000},
        {{250000.5}, 0, 300000, 50000}, {{0}, 0, 1, 0.2}, // nothing to draw: a unit axis
        {{-150, 300}, -200, 300, 100},  {{8}, 0, 8, 1},   // exactly 8 steps of 1
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.values.front());
        const AxisScale s = axisScale(c.values);
        EXPECT_DOUBLE_EQ(s.minimum, c.minimum);
        EXPECT_DOUBLE_EQ(s.maximum, c.maximum);
        EXPECT_DOUBLE_EQ(s.step, c.step);
        EXPECT_LE(s.steps(), 8);
    }
}

TEST(AxisScale, LabelsCarryTheSymbolAndThousandsSeparators) {
    const AxisScale big = axisScale(std::vector<double>{100000});
    EXPECT_EQ(axisLabels(big, "$"), (std::vector<std::string>{"$0", "$20,000", "$40,000", "$60,000",
                                                              "$80,000", "$100,000"}));
    const NumberSeparators comma{",", "."};
    EXPECT_EQ(axisLabel(1250000, big, "\xE2\x82\xAC", comma), "\xE2\x82\xAC"
                                                              "1.250.000");
    EXPECT_EQ(axisLabel(-200, axisScale(std::vector<double>{-150, 300}), "$"), "-$200");
    EXPECT_EQ(axisLabels(axisScale(std::vector<double>{0.9}), ""),
              (std::vector<std::string>{"0.00", "0.20", "0.40", "0.60", "0.80", "1.00"}));
    EXPECT_EQ(axisLabel(2.5, axisScale(std::vector<double>{10}), "$", comma), "$2,50");
}

TEST(LabelPlan, YearLabelsTurnUprightThenThinOut) {
    const struct {
        int count;
        double slot, width, height;
        LabelPlan plan;
    } cases[] = {
        {40, 27, 14, 12, {0, 1}},   // 1200 pixels wide: flat labels fit
        {40, 14, 15, 12, {-90, 1}}, // a small window: upright (room 12.6)
        {40, 6, 14, 12, {-90, 3}},  // upright still crowd: every third (12 / 5.4)
        {0, 10, 14, 12, {0, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.slot);
        EXPECT_EQ(labelPlan(c.count, c.slot, c.width, c.height), c.plan);
    }
}

TEST(BarGeometry, FlatBarsAreProportionalAndCentredInTheirSlots) {
    const std::vector<double> v{100, 200, 400};
    const AxisScale scale = axisScale(v); // 0 .. 400 by 50
    const BarLayout l = barLayout(Plain, v, scale, false);
    EXPECT_DOUBLE_EQ(l.slot, 200);
    EXPECT_DOUBLE_EQ(l.depthX, 0);
    const struct {
        double left, top, height;
    } expected[] = {{40, 300, 100}, {240, 200, 200}, {440, 0, 400}};
    for (std::size_t j = 0; j < 3; ++j) {
        SCOPED_TRACE(j);
        EXPECT_DOUBLE_EQ(l.bars[j].front.left, expected[j].left);
        EXPECT_DOUBLE_EQ(l.bars[j].front.top, expected[j].top);
        EXPECT_DOUBLE_EQ(l.bars[j].front.height, expected[j].height);
        EXPECT_DOUBLE_EQ(l.bars[j].front.width, 120);
        EXPECT_DOUBLE_EQ(l.bars[j].labelX, 100 + 200.0 * static_cast<double>(j));
    }
    EXPECT_EQ(l.tickY.size(), 9u);
    EXPECT_DOUBLE_EQ(l.tickY.front(), 400);
    EXPECT_DOUBLE_EQ(l.tickY.back(), 0);
}

TEST(BarGeometry, ObliqueProjectionRecedesUpAndRightInsideTheFrame) {
    const std::vector<double> v{100, 200, 400};
    const BarLayout l = barLayout(Plain, v, axisScale(v), true);
    // Depth: the smaller of 30 % of a slot (600 / 3.3 * 0.3 = 54.5) and 4 % of the width (24).
    EXPECT_DOUBLE_EQ(l.depthX, 24);
    EXPECT_DOUBLE_EQ(l.depthY, 24);
    EXPECT_DOUBLE_EQ(l.plot.right() + l.depthX, 600); // the back plane ends at the frame
    for (std::size_t j = 0; j < 3; ++j) {
        SCOPED_TRACE(j);
        const BarShape& b = l.bars[j];
        EXPECT_DOUBLE_EQ(b.top[3].x - b.top[0].x, 24);
        EXPECT_DOUBLE_EQ(b.top[0].y - b.top[3].y, 24);
        EXPECT_DOUBLE_EQ(b.side[0].x, b.front.right());
        EXPECT_GE(b.top[3].y, 0); // the tallest bar's top stays in the picture
        EXPECT_LT(b.side[2].x, j < 2 ? l.bars[j + 1].front.left : 600); // sides cover no bar
    }
    // Heights on the front plane keep their proportions: 376 pixels for 400.
    EXPECT_DOUBLE_EQ(l.bars[2].front.height, 376);
    EXPECT_DOUBLE_EQ(l.bars[0].front.height, 94);
}

TEST(BarGeometry, NegativeValuesHangBelowTheZeroLine) {
    const std::vector<double> v{-100, 300};
    const AxisScale scale = axisScale(v); // -100 .. 300 by 50
    const BarLayout l = barLayout(Plain, v, scale, false);
    EXPECT_DOUBLE_EQ(l.baseY, 300);
    EXPECT_DOUBLE_EQ(l.bars[0].front.top, 300);
    EXPECT_DOUBLE_EQ(l.bars[0].front.height, 100);
    EXPECT_DOUBLE_EQ(l.bars[1].front.top, 0);
}

TEST(GraphOptions, RefusesWhatCannotBeDrawn) {
    const std::string badSize = "--size takes WIDTHxHEIGHT, 16 to 10000 pixels each";
    GraphRequest r;
    EXPECT_EQ(setGraphOption(r, "--graph", "out.jpg"),
              "--graph takes a file name ending in .png or .svg");
    for (const char* size : {"10x10", "12a0x500", "800", "16x10001"})
        EXPECT_EQ(setGraphOption(r, "--size", size), badSize) << size;
    EXPECT_EQ(setGraphOption(r, "--size", "16X10000"), std::nullopt);
    EXPECT_EQ(r.width * 100000 + r.height, 1610000);
    EXPECT_EQ(graphRequestProblem(r), "--3d and --size need --graph");
    EXPECT_EQ(setGraphOption(r, "--graph", "Chart.SVG"), std::nullopt);
    EXPECT_EQ(graphRequestProblem(r), std::nullopt);
    EXPECT_EQ(r.format, ImageFormat::Svg);
}
