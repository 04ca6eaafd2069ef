// The value axis and the year labels.
#include <gtest/gtest.h>

#include <vector>

#include "ChartScale.h"

TEST(AxisScale, RoundStepCoversEveryValueAndZero) {
    const struct {
        std::vector<double> values;
        double minimum, maximum, step;
    } cases[] = {
        // hand-worked: the smallest of 1, 2, 2.5, 5 x 10^k giving at most 8 intervals
        {{917.53}, 0, 1000, 200},
        {{100000, 73000}, 0, 100000, 20000},
        {{250000.5}, 0, 300000, 50000},
        {{0}, 0, 1, 0.2}, // nothing to draw: a unit axis
        {{-150, 300}, -200, 300, 100},
        {{1}, 0, 1, 0.2},
        {{8}, 0, 8, 1}, // exactly 8 steps of 1
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
