#pragma once
// Where the bars of a chart go, flat or extruded in oblique projection: the receding
// edges run up and to the right at 45 degrees, so a bar is its front face, a top face and
// a right side face. Pixels, y growing downwards.
#include <array>
#include <span>
#include <vector>

#include "ChartScale.h"

struct PointF {
    double x = 0, y = 0;
};

struct RectF {
    double left = 0, top = 0, width = 0, height = 0;
    double right() const { return left + width; }
    double bottom() const { return top + height; }
};

struct BarShape {
    RectF front;
    std::array<PointF, 4> top{};  // front-left, front-right, back-right, back-left
    std::array<PointF, 4> side{}; // front-top, front-bottom, back-bottom, back-top
    double labelX = 0;            // centre of the year label under the bar
};

struct ChartFrame {
    double width = 0, height = 0; // the whole picture
    double titleHeight = 0;       // band above the plot
    double valueLabelWidth = 0;   // band left of the plot for the value labels
    double yearLabelHeight = 0;   // band below the plot for the year labels
    double margin = 8;            // blank border all round
};

struct BarLayout {
    RectF plot;        // front plane of the plot area
    double depthX = 0; // receding offset of the back plane: +x
    double depthY = 0; // and -y
    double slot = 0;   // width each bar has, gap included
    std::vector<BarShape> bars;
    std::vector<double> tickY; // value ticks on the front plane, minimum first
    double baseY = 0;          // y of the value 0 on the front plane
};

// Lays out `values` against `scale` inside the frame; `threeD` gives the bars depth.
BarLayout barLayout(const ChartFrame& frame, std::span<const double> values, const AxisScale& scale,
                    bool threeD);

// y of `value` on the front plane of `plot`.
double valueY(const RectF& plot, const AxisScale& scale, double value);

// Several series side by side in each slot of `base`, a layout of one bar per label: the
// group fills most of the slot, each bar its share with room for its side face (when
// `base` has depth), series in order from the left. bars[j * S + s] is series s at label j,
// its labelX the centre of its group.
std::vector<BarShape> groupedBars(const BarLayout& base,
                                  std::span<const std::vector<double>> series,
                                  const AxisScale& scale);
