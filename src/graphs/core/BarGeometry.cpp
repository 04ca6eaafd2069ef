#include "BarGeometry.h"

#include <algorithm>

namespace {
// A bar takes this share of its slot; the rest is the gap its side face recedes into.
constexpr double BarShare = 0.6;
constexpr double DepthShare = 0.3;
// Depth never grows beyond this share of the plot width, so two bars stay bars, not walls.
constexpr double MaxDepthShare = 0.04;

BarShape barAt(double x, double width, double depth, double y, double baseY) {
    BarShape bar;
    const double top = std::min(y, baseY), bottom = std::max(y, baseY);
    bar.front = {x, top, width, bottom - top};
    const double r = x + width;
    bar.top = {PointF{x, top}, PointF{r, top}, PointF{r + depth, top - depth},
               PointF{x + depth, top - depth}};
    bar.side = {PointF{r, top}, PointF{r, bottom}, PointF{r + depth, bottom - depth},
                PointF{r + depth, top - depth}};
    bar.labelX = x + width / 2;
    return bar;
}
} // namespace

double valueY(const RectF& plot, const AxisScale& scale, double value) {
    const double span = scale.maximum - scale.minimum;
    if (span <= 0)
        return plot.bottom();
    const double clamped = std::clamp(value, scale.minimum, scale.maximum);
    return plot.bottom() - (clamped - scale.minimum) / span * plot.height;
}

BarLayout barLayout(const ChartFrame& frame, std::span<const double> values, const AxisScale& scale,
                    bool threeD) {
    BarLayout out;
    const double m = frame.margin;
    const RectF area{
        m + frame.valueLabelWidth, m + frame.titleHeight,
        std::max(frame.width - 2 * m - frame.valueLabelWidth, 1.0),
        std::max(frame.height - 2 * m - frame.titleHeight - frame.yearLabelHeight, 1.0)};
    const auto count = static_cast<double>(std::max<std::size_t>(values.size(), 1));
    double depth = 0;
    if (threeD) {
        // The back plane sits up and to the right of the front plane, inside the area.
        const double slot = area.width / (count + DepthShare);
        depth = std::min(slot * DepthShare, area.width * MaxDepthShare);
    }
    out.depthX = depth;
    out.depthY = depth;
    out.plot = {area.left, area.top + depth, area.width - depth, area.height - depth};
    out.slot = out.plot.width / count;
    out.baseY = valueY(out.plot, scale, 0);
    for (int i = 0; i <= scale.steps(); ++i)
        out.tickY.push_back(valueY(out.plot, scale, scale.tick(i)));

    const double barWidth = out.slot * BarShare;
    for (std::size_t j = 0; j < values.size(); ++j) {
        const double x =
            out.plot.left + out.slot * static_cast<double>(j) + (out.slot - barWidth) / 2;
        out.bars.push_back(
            barAt(x, barWidth, depth, valueY(out.plot, scale, values[j]), out.baseY));
    }
    return out;
}

std::vector<BarShape> groupedBars(const BarLayout& base,
                                  std::span<const std::vector<double>> series,
                                  const AxisScale& scale) {
    // A group of bars takes this share of its slot; in a flat chart each bar leaves a sliver
    // of its share between it and its neighbour.
    constexpr double GroupShare = 0.84;
    constexpr double FlatBarShare = 0.9;
    std::vector<BarShape> bars;
    if (series.empty())
        return bars;
    const double count = static_cast<double>(series.size());
    const double share = base.slot * GroupShare / count;
    const double depth = std::min(base.depthX, share * 0.4);
    const double width = depth > 0 ? share - depth : share * FlatBarShare;
    for (std::size_t j = 0; j < base.bars.size(); ++j) {
        const double centre = base.bars[j].labelX;
        for (std::size_t s = 0; s < series.size(); ++s) {
            const double x = centre - share * count / 2 + share * static_cast<double>(s);
            const double value = j < series[s].size() ? series[s][j] : 0.0;
            BarShape bar = barAt(x, width, depth, valueY(base.plot, scale, value), base.baseY);
            bar.labelX = centre;
            bars.push_back(bar);
        }
    }
    return bars;
}
