#pragma once
// The value axis of a bar chart: a round step, the range it covers and its tick labels
// in the user's currency with thousands separators.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "NumberFormat.h"

struct AxisScale {
    double minimum = 0; // a multiple of step, never above 0
    double maximum = 1; // a multiple of step, never below 0
    double step = 1;    // 1, 2, 2.5 or 5 times a power of ten; a whole number of cents
    int steps() const;  // number of intervals between minimum and maximum
    double tick(int i) const { return minimum + step * i; }
};

// The smallest round step that covers every value (and 0) in at most `maxSteps` intervals,
// never less than one cent.
AxisScale axisScale(std::span<const double> values, int maxSteps = 8);

// "$250,000" for a tick of a whole-number step, "$2.50" otherwise; the minus sign goes
// before the symbol.
std::string axisLabel(double value, const AxisScale& scale, std::string_view currencySymbol,
                      const NumberSeparators& seps = {});
std::vector<std::string> axisLabels(const AxisScale& scale, std::string_view currencySymbol,
                                    const NumberSeparators& seps = {});

// How the year labels under the bars stay legible: turned upright when they are wider
// than a bar's slot, and only every `stride`-th one shown when even upright they crowd.
// `labelHeight` is the room a label takes across the slot once upright.
struct LabelPlan {
    int angle = 0;  // 0 or -90 degrees
    int stride = 1; // show labels 1, 1 + stride, ...
    friend bool operator==(const LabelPlan&, const LabelPlan&) = default;
};
LabelPlan labelPlan(int count, double slotWidth, double widestLabel, double labelHeight);
