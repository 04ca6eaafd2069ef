#include "Chart3D.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>

#include "ChartGroups.h"
#include "ChartScale.h"
#include "QtText.h"
#include "YearLabels.h"

namespace {

QPolygonF polygon(const std::array<PointF, 4>& points, QPointF origin) {
    QPolygonF out;
    for (const PointF& p : points)
        out << origin + QPointF(p.x, p.y);
    return out;
}

} // namespace

void paintBar(QPainter& painter, const BarShape& bar, QPointF origin, const QBrush& side,
              const QBrush& top, const QBrush& front) {
    painter.setBrush(side);
    painter.drawPolygon(polygon(bar.side, origin));
    painter.setBrush(top);
    painter.drawPolygon(polygon(bar.top, origin));
    painter.setBrush(front);
    painter.drawRect(QRectF(origin + QPointF(bar.front.left, bar.front.top),
                            QSizeF(bar.front.width, bar.front.height)));
}

BarLayout paintChart3D(QPainter& painter, const QRectF& area, const ChartData& data,
                       const ChartLook& look) {
    if (!data.series.empty())
        return paintGroupedChart3D(painter, area, data, look);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(area, look.background());
    const QPointF o = area.topLeft();

    const QFont titleFont = look.titleFont(area.height());
    const QFont labelFont = look.labelFont(area.height());
    const QFontMetricsF titleMetrics(titleFont, painter.device());
    const QFontMetricsF labelMetrics(labelFont, painter.device());

    const AxisScale scale = axisScale(axisValues(data));
    const std::vector<std::string> valueLabels = axisLabels(scale, data.currencySymbol, look.seps);
    double valueWidth = 0;
    for (const auto& l : valueLabels)
        valueWidth = std::max(valueWidth, labelMetrics.horizontalAdvance(qs(l)));
    ChartFrame frame;
    frame.width = area.width();
    frame.height = area.height();
    frame.margin = std::max(6.0, area.height() / 60);
    frame.titleHeight = titleMetrics.height() * 1.8;
    frame.valueLabelWidth = valueWidth + labelMetrics.averageCharWidth() * 1.5;
    // The slot of a bar does not depend on the year band: lay out once to learn it, then
    // again with the band the labels need.
    const double gap = labelMetrics.height() * 0.3;
    BarLayout layout = barLayout(frame, data.values, scale, true);
    const YearLabels years(data.labels, labelFont, layout.slot);
    frame.yearLabelHeight = gap + years.bandHeight();
    layout = barLayout(frame, data.values, scale, true);

    // Title.
    painter.setFont(titleFont);
    painter.setPen(look.ink());
    painter.drawText(QRectF(o.x(), o.y() + frame.margin, area.width(), frame.titleHeight),
                     Qt::AlignCenter, qs(data.title));

    // Back wall and floor.
    const RectF& p = layout.plot;
    const double dx = layout.depthX, dy = layout.depthY;
    const QRectF back(o + QPointF(p.left + dx, p.top - dy), QSizeF(p.width, p.height));
    painter.setPen(QPen(look.gridLine(), 1));
    painter.setBrush(look.wall());
    painter.drawRect(back);
    QPolygonF floor;
    const double floorY = layout.baseY;
    floor << o + QPointF(p.left, floorY) << o + QPointF(p.right(), floorY)
          << o + QPointF(p.right() + dx, floorY - dy) << o + QPointF(p.left + dx, floorY - dy);
    painter.drawPolygon(floor);
    QPolygonF leftWall;
    leftWall << o + QPointF(p.left, p.top) << o + QPointF(p.left + dx, p.top - dy)
             << o + QPointF(p.left + dx, p.bottom() - dy) << o + QPointF(p.left, p.bottom());
    painter.drawPolygon(leftWall);

    // Value ticks: a line across the left wall and the back wall, the label on the front plane.
    painter.setFont(labelFont);
    for (std::size_t i = 0; i < layout.tickY.size(); ++i) {
        const double y = layout.tickY[i];
        painter.setPen(QPen(look.gridLine(), 1));
        painter.drawLine(o + QPointF(p.left, y), o + QPointF(p.left + dx, y - dy));
        painter.drawLine(o + QPointF(p.left + dx, y - dy), o + QPointF(p.right() + dx, y - dy));
        painter.setPen(look.ink());
        const QRectF box(o.x(), o.y() + y - labelMetrics.height() / 2,
                         p.left - labelMetrics.averageCharWidth() * 0.6, labelMetrics.height());
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, qs(valueLabels[i]));
    }

    // The target: a line across the left and back walls, behind the bars, and across the
    // front plane once the bars are drawn.
    const double targetY = data.target ? valueY(p, scale, *data.target) : 0;
    if (data.target) {
        painter.setPen(look.targetPen());
        painter.drawLine(o + QPointF(p.left, targetY), o + QPointF(p.left + dx, targetY - dy));
        painter.drawLine(o + QPointF(p.left + dx, targetY - dy),
                         o + QPointF(p.right() + dx, targetY - dy));
    }

    // Bars, left to right: each one's side recedes into the gap before the next.
    painter.setPen(look.barPen());
    for (const BarShape& bar : layout.bars)
        paintBar(painter, bar, o, look.side(), look.top(), look.front());

    // Axis lines on the front plane.
    painter.setPen(QPen(look.ink(), 1));
    painter.drawLine(o + QPointF(p.left, p.top), o + QPointF(p.left, p.bottom()));
    painter.drawLine(o + QPointF(p.left, floorY), o + QPointF(p.right(), floorY));

    // The target in front of the bars, its name above it at the left, where a growing plan's
    // bars are lowest.
    if (data.target) {
        painter.setPen(look.targetPen());
        painter.drawLine(o + QPointF(p.left, targetY), o + QPointF(p.right(), targetY));
        const QString name = QStringLiteral("Target ") +
                             qs(axisLabel(*data.target, scale, data.currencySymbol, look.seps));
        const double w = labelMetrics.horizontalAdvance(name) + labelMetrics.averageCharWidth();
        const QRectF box(o.x() + p.left + 1, o.y() + targetY - labelMetrics.height(), w,
                         labelMetrics.height() - 1);
        painter.fillRect(box, look.background());
        painter.setPen(look.targetPen().color());
        painter.drawText(box, Qt::AlignCenter, name);
    }

    // Year labels under the bars.
    painter.setPen(look.ink());
    std::vector<double> centres;
    for (const BarShape& bar : layout.bars)
        centres.push_back(o.x() + bar.labelX);
    years.draw(painter, centres, o.y() + p.bottom() + gap);
    painter.restore();
    return layout;
}

Chart3DView::Chart3DView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 150);
}

void Chart3DView::setChart(ChartData data, ChartLook look) {
    data_ = std::move(data);
    look_ = std::move(look);
    update();
}

void Chart3DView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintChart3D(painter, QRectF(rect()), data_, look_);
}
