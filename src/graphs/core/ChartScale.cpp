#include "ChartScale.h"

#include <algorithm>
#include <cmath>

int AxisScale::steps() const {
    return static_cast<int>(std::lround((maximum - minimum) / step));
}

AxisScale axisScale(std::span<const double> values, int maxSteps) {
    double low = 0, high = 0;
    for (double v : values)
        if (std::isfinite(v))
            low = std::min(low, v), high = std::max(high, v);
    if (high - low <= 0)
        high = 1;
    maxSteps = std::max(maxSteps, 1);
    const double rough = (high - low) / maxSteps;
    double power = std::pow(10.0, std::floor(std::log10(rough)));
    AxisScale s;
    for (;; power *= 10) {
        for (double m : {1.0, 2.0, 2.5, 5.0}) {
            const double step = m * power;
            // Labels show cents: a step must be a whole number of them, or a label would
            // round to a figure its tick does not stand at.
            const double cents = step * 100;
            if (cents < 1 - 1e-9 || std::abs(cents - std::round(cents)) > 1e-6)
                continue;
            // A hair of tolerance so that 300,000 / 50,000 counts as exactly 6 steps.
            const double top = std::ceil(high / step - 1e-9);
            const double bottom = std::floor(low / step + 1e-9);
            if (top - bottom <= maxSteps) {
                s.step = step;
                s.maximum = top * step;
                s.minimum = bottom * step;
                return s;
            }
        }
    }
}

std::string axisLabel(double value, const AxisScale& scale, std::string_view currencySymbol,
                      const NumberSeparators& seps) {
    std::string figure = formatNumber(value, "####,,##0.00", seps);
    const bool whole = std::abs(scale.step - std::round(scale.step)) < 1e-9;
    const std::string cents = seps.decimalPoint + "00";
    if (whole && figure.size() >= cents.size() && figure.ends_with(cents))
        figure.resize(figure.size() - cents.size());
    if (figure.starts_with('-'))
        return "-" + std::string(currencySymbol) + figure.substr(1);
    return std::string(currencySymbol) + figure;
}

std::vector<std::string> axisLabels(const AxisScale& scale, std::string_view currencySymbol,
                                    const NumberSeparators& seps) {
    std::vector<std::string> labels;
    for (int i = 0; i <= scale.steps(); ++i)
        labels.push_back(axisLabel(scale.tick(i), scale, currencySymbol, seps));
    return labels;
}

LabelPlan labelPlan(int count, double slotWidth, double widestLabel, double labelHeight) {
    LabelPlan plan;
    if (count < 1 || slotWidth <= 0)
        return plan;
    // A little air between neighbours.
    const double room = slotWidth * 0.9;
    if (widestLabel <= room)
        return plan;
    plan.angle = -90;
    if (labelHeight > room)
        plan.stride = static_cast<int>(std::ceil(labelHeight / room));
    return plan;
}
