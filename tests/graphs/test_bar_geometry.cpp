// Where the bars go, flat and in oblique projection.
#include <gtest/gtest.h>

#include <vector>

#include "BarGeometry.h"

namespace {
ChartFrame plainFrame() {
    ChartFrame f;
    f.width = 600;
    f.height = 400;
    f.margin = 0;
    return f;
}
} // namespace

TEST(BarGeometry, FlatBarsAreProportionalAndCentredInTheirSlots) {
    const std::vector<double> v{100, 200, 400};
    const AxisScale scale = axisScale(v); // 0 .. 400 by 50
    const BarLayout l = barLayout(plainFrame(), v, scale, false);
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
    const BarLayout l = barLayout(plainFrame(), v, axisScale(v), true);
    // Depth: the smaller of 30 % of a slot (600 / 3.3 * 0.3 = 54.5) and 4 % of the width (24).
    EXPECT_DOUBLE_EQ(l.depthX, 24);
    EXPECT_DOUBLE_EQ(l.depthY, 24);
    EXPECT_DOUBLE_EQ(l.plot.top, 24);
    EXPECT_DOUBLE_EQ(l.plot.width, 576);
    EXPECT_DOUBLE_EQ(l.plot.right() + l.depthX, 600); // the back plane ends at the frame
    for (std::size_t j = 0; j < 3; ++j) {
        SCOPED_TRACE(j);
        const BarShape& b = l.bars[j];
        EXPECT_DOUBLE_EQ(b.top[3].x - b.top[0].x, 24);
        EXPECT_DOUBLE_EQ(b.top[0].y - b.top[3].y, 24);
        EXPECT_DOUBLE_EQ(b.side[2].y, l.baseY - 24);
        EXPECT_DOUBLE_EQ(b.side[0].x, b.front.right());
        EXPECT_GE(b.top[3].y, 0); // the tallest bar's top stays in the picture
        if (j + 1 < 3) {
            EXPECT_LT(b.side[2].x, l.bars[j + 1].front.left); // sides don't cover the next bar
        }
    }
    // Heights on the front plane keep their proportions: 376 pixels for 400.
    EXPECT_DOUBLE_EQ(l.bars[2].front.height, 376);
    EXPECT_DOUBLE_EQ(l.bars[0].front.height, 94);
}

TEST(BarGeometry, NegativeValuesHangBelowTheZeroLine) {
    const std::vector<double> v{-100, 300};
    const AxisScale scale = axisScale(v); // -100 .. 300 by 50
    const BarLayout l = barLayout(plainFrame(), v, scale, false);
    EXPECT_DOUBLE_EQ(l.baseY, 300);
    EXPECT_DOUBLE_EQ(l.bars[0].front.top, 300);
    EXPECT_DOUBLE_EQ(l.bars[0].front.height, 100);
    EXPECT_DOUBLE_EQ(l.bars[1].front.top, 0);
}
