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

constexpr QRgb SeriesColours[] = {0x2e6db4, 0xe0802a, 0x3f9b4f};
// Without colour each series has a hatch of its own on its front, and its side (3D) one that no
// front has, so no two plans look alike.
constexpr Qt::BrushStyle SeriesHatches[] = {Qt::BDiagPattern, Qt::HorPattern, Qt::VerPattern};
constexpr Qt::BrushStyle SideHatches[] = {Qt::CrossPattern, Qt::DiagCrossPattern,
                                          Qt::Dense5Pattern};

template <class T, std::size_t N> const T& cycled(const T (&items)[N], std::size_t s) {
    return items[s % N];
}
} // namespace

QColor ChartLook::seriesColour(std::size_t s) const {
    return s == 0 ? barColour() : QColor(cycled(SeriesColours, s));
}
QPen ChartLook::seriesPen(std::size_t s) const {
    return colour ? QPen(seriesColour(s).darker(140), 1) : QPen(Qt::black, 1);
}
QBrush ChartLook::seriesFront(std::size_t s) const {
    return colour ? QBrush(seriesColour(s)) : QBrush(Qt::black, cycled(SeriesHatches, s));
}
QBrush ChartLook::seriesTop(std::size_t s) const {
    return colour ? QBrush(seriesColour(s).lighter(135)) : QBrush(Qt::black, Qt::Dense6Pattern);
}
QBrush ChartLook::seriesSide(std::size_t s) const {
    return colour ? QBrush(seriesColour(s).darker(135)) : QBrush(Qt::black, cycled(SideHatches, s));
}

QFont ChartLook::titleFont(double height) const {
    return sized(height / 30, true);
}
QFont ChartLook::labelFont(double height) const {
    return sized(height / 48, false);
}
