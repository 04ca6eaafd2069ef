#include "Chart2D.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QPainter>
#include <algorithm>

#include "ChartGroups.h"
#include "ChartScale.h"

namespace {
QString text(const std::string& s) {
    return QString::fromStdString(s);
}
} // namespace

QChart* makeChart2D(const ChartData& data, const ChartLook& look, double width) {
    if (!data.series.empty())
        return makeGroupedChart2D(data, look, width);
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    chart->setBackgroundBrush(look.background());
    chart->setPlotAreaBackgroundVisible(true);
    chart->setPlotAreaBackgroundBrush(look.wall());
    chart->setPlotAreaBackgroundPen(QPen(look.gridLine(), 1));
    chart->legend()->hide();
    chart->setTitle(text(data.title));
    chart->setTitleBrush(look.ink());
    const double height = width * 2 / 3;
    chart->setTitleFont(look.titleFont(height));
    chart->setMargins(QMargins(4, 0, 8, 4));

    auto* set = new QBarSet(QString());
    for (double v : data.values)
        *set << v;
    set->setBrush(look.front());
    set->setPen(look.barPen());
    auto* series = new QBarSeries;
    series->append(set);
    series->setBarWidth(0.6);
    chart->addSeries(series);

    const QFont labelFont = look.labelFont(height);
    const QFontMetricsF metrics(labelFont);
    auto* years = new QBarCategoryAxis;
    double widest = 0;
    for (const auto& l : data.labels)
        widest = std::max(widest, metrics.horizontalAdvance(text(l)));
    // The plot takes most of the width; the value labels the rest.
    const double slot = width * 0.85 / std::max<double>(static_cast<double>(data.labels.size()), 1);
    const LabelPlan plan =
        labelPlan(static_cast<int>(data.labels.size()), slot, widest, metrics.height());
    QStringList categories;
    for (std::size_t j = 0; j < data.labels.size(); ++j) {
        // Categories must differ from each other: a label left out is a run of blanks.
        const bool shown = j % static_cast<std::size_t>(plan.stride) == 0;
        categories << (shown ? text(data.labels[j])
                             : QString(static_cast<qsizetype>(j + 1), QLatin1Char(' ')));
    }
    years->append(categories);
    years->setLabelsAngle(plan.angle);
    years->setLabelsFont(labelFont);
    years->setLabelsBrush(look.ink());
    years->setGridLineVisible(false);
    years->setLinePen(QPen(look.ink(), 1));
    chart->addAxis(years, Qt::AlignBottom);
    series->attachAxis(years);

    const AxisScale scale = axisScale(data.values);
    auto* values = new QCategoryAxis;
    values->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    values->setLabelsFont(labelFont);
    values->setLabelsBrush(look.ink());
    values->setGridLinePen(QPen(look.gridLine(), 1));
    values->setLinePen(QPen(look.ink(), 1));
    // Each label sits on its tick; the first marks the axis's lower end.
    const double lowEdge = scale.minimum - scale.step * 1e-6;
    values->setStartValue(lowEdge);
    for (int i = 0; i <= scale.steps(); ++i)
        values->append(text(axisLabel(scale.tick(i), scale, data.currencySymbol, look.seps)),
                       scale.tick(i));
    values->setRange(lowEdge, scale.maximum);
    chart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(values);
    return chart;
}

void paintChart2D(QPainter& painter, const QRectF& area, const ChartData& data,
                  const ChartLook& look) {
    QGraphicsScene scene;
    QChart* chart = makeChart2D(data, look, area.width());
    scene.addItem(chart); // the scene owns it
    chart->setGeometry(QRectF(QPointF(0, 0), area.size()));
    scene.setSceneRect(QRectF(QPointF(0, 0), area.size()));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    scene.render(&painter, area, scene.sceneRect());
    painter.restore();
}
