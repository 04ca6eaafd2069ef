#include "ChartGroups.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QFontMetricsF>
#include <QLegend>
#include <QPainter>

#include "Chart2D.h"
#include "Chart3D.h"
#include "ChartScale.h"
#include "QtText.h"

namespace {

// The one-series chart the groups stand in: the same labels, each group's largest value.
ChartData frameOf(const ChartData& data) {
    ChartData frame = data;
    frame.series.clear();
    frame.values = groupEnvelope(data);
    return frame;
}

// The legend in a row at the top right of the back wall, on a white ground.
void paintLegend(QPainter& painter, const QRectF& area, const BarLayout& layout,
                 const ChartData& data, const ChartLook& look) {
    const QFont font = look.labelFont(area.height());
    const QFontMetricsF metrics(font, painter.device());
    const double box = metrics.height() * 0.7, gap = metrics.averageCharWidth();
    double width = gap;
    for (const ChartSeries& s : data.series)
        width += box + gap / 2 + metrics.horizontalAdvance(qs(s.name)) + gap * 2;
    double x = area.left() + layout.plot.right() + layout.depthX - width - gap;
    const double y = area.top() + layout.plot.top - layout.depthY + gap;
    painter.setFont(font);
    painter.setPen(QPen(look.gridLine(), 1));
    painter.setBrush(look.background());
    painter.drawRect(QRectF(x, y, width, metrics.height() * 1.4));
    x += gap;
    const double middle = y + metrics.height() * 0.7;
    for (std::size_t s = 0; s < data.series.size(); ++s) {
        const QString name = qs(data.series[s].name);
        painter.setPen(look.seriesPen(s));
        painter.setBrush(look.seriesFront(s));
        painter.drawRect(QRectF(x, middle - box / 2, box, box));
        x += box + gap / 2;
        const double advance = metrics.horizontalAdvance(name);
        painter.setPen(look.ink());
        painter.drawText(QRectF(x, middle - metrics.height() / 2, advance + 1, metrics.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, name);
        x += advance + gap * 2;
    }
}

} // namespace

QChart* makeGroupedChart2D(const ChartData& data, const ChartLook& look, double width) {
    QChart* chart = makeChart2D(frameOf(data), look, width);
    // The frame's one series gives way to the groups, on the same axes.
    QAbstractSeries* single = chart->series().value(0);
    const QList<QAbstractAxis*> axes = single->attachedAxes();
    chart->removeSeries(single);
    delete single;
    auto* groups = new QBarSeries;
    for (std::size_t s = 0; s < data.series.size(); ++s) {
        auto* set = new QBarSet(qs(data.series[s].name));
        for (double v : data.series[s].values)
            *set << v;
        set->setBrush(look.seriesFront(s));
        set->setPen(look.seriesPen(s));
        groups->append(set);
    }
    groups->setBarWidth(0.84);
    chart->addSeries(groups);
    for (QAbstractAxis* axis : axes)
        groups->attachAxis(axis);
    QLegend* legend = chart->legend();
    legend->setVisible(true);
    legend->setAlignment(Qt::AlignTop);
    legend->setFont(look.labelFont(width * 2 / 3));
    legend->setLabelColor(look.ink());
    return chart;
}

BarLayout paintGroupedChart3D(QPainter& painter, const QRectF& area, const ChartData& data,
                              const ChartLook& look) {
    const ChartData frame = frameOf(data);
    ChartLook frameLook = look;
    frameLook.bars = false;
    BarLayout layout = paintChart3D(painter, area, frame, frameLook);
    std::vector<std::vector<double>> values;
    for (const ChartSeries& s : data.series)
        values.push_back(s.values);
    layout.bars = groupedBars(layout, values, axisScale(frame.values));

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QPointF o = area.topLeft();
    // Left to right: each bar's side recedes into the room before the next.
    for (std::size_t i = 0; i < layout.bars.size(); ++i) {
        const std::size_t s = i % values.size();
        painter.setPen(look.seriesPen(s));
        paintBar(painter, layout.bars[i], o, look.seriesSide(s), look.seriesTop(s),
                 look.seriesFront(s));
    }
    paintLegend(painter, area, layout, data, look);
    painter.restore();
    return layout;
}
