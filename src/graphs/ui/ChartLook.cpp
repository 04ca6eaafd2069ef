#include "ChartLook.h"

#include <algorithm>

namespace {
// Type sizes follow the picture: readable on a small window, not huge on a large image.
QFont sized(double pixels, bool bold) {
    QFont font;
    font.setPixelSize(static_cast<int>(std::clamp(pixels, 9.0, 28.0)));
    font.setBold(bold);
    return font;
}
} // namespace

QFont ChartLook::titleFont(double height) const {
    return sized(height / 30, true);
}
QFont ChartLook::labelFont(double height) const {
    return sized(height / 48, false);
}
