#include "Chart2D.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ChartGroups.h"
#include "ChartScale.h"
#include "QtText.h"
#include "YearLabels.h"

namespace {

// Room the value axis takes beside its labels (ticks, padding) plus the chart's own margins,
// and the room between the axis line and the year labels.
constexpr double ChartPadding = 40;
constexpr double TickRoom = 6;

// The year labels as a part of the chart, under whatever plot area its layout gives it.
class YearAxisLabels : public QGraphicsItem {
  public:
    YearAxisLabels(QChart* chart, YearLabels labels, std::size_t bars, QColor ink)
        : QGraphicsItem(chart), chart_(chart), labels_(std::move(labels)), bars_(bars), ink_(ink) {}
    double band() const { return labels_.bandHeight(); }
    // The plot area moved: the labels go with it.
    void follow() {
        prepareGeometryChange();
        update();
    }
    QRectF boundingRect() const override { return chart_->rect(); }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override {
        // A bar category axis centres bar j in the j-th of as many equal slots as bars.
        const QRectF plot = chart_->plotArea();
        std::vector<double> centres;
        for (std::size_t j = 0; j < bars_; ++j)
            centres.push_back(plot.left() + plot.width() * (static_cast<double>(j) + 0.5) /
                                                static_cast<double>(bars_));
        painter->setPen(ink_);
        labels_.draw(*painter, centres, plot.bottom() + TickRoom);
    }

  private:
    QChart* chart_;
    YearLabels labels_;
    std::size_t bars_;
    QColor ink_;
};

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
    chart->setTitle(qs(data.title));
    chart->setTitleBrush(look.ink());
    const double height = width * 2 / 3;
    chart->setTitleFont(look.titleFont(height));

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
    const AxisScale scale = axisScale(axisValues(data));
    QStringList valueLabels;
    double valueWidth = 0;
    for (const std::string& l : axisLabels(scale, data.currencySymbol, look.seps)) {
        valueLabels << qs(l);
        valueWidth = std::max(valueWidth, metrics.horizontalAdvance(valueLabels.back()));
    }

    // Qt's own category labels give up on narrow slots (they show "..."): the axis keeps its
    // line and ticks, and the labels are drawn under it, in a band kept free below the plot.
    // Their slot is estimated from the width left beside the value labels and the margins.
    const double count = std::max<double>(static_cast<double>(data.values.size()), 1);
    const double plotWidth = width - valueWidth - ChartPadding;
    auto* labels = new YearAxisLabels(chart, YearLabels(data.labels, labelFont, plotWidth / count),
                                      data.values.size(), look.ink());
    chart->setMargins(
        QMargins(4, 0, 8, 4 + static_cast<int>(std::ceil(labels->band() + TickRoom))));
    QObject::connect(chart, &QChart::plotAreaChanged, chart, [labels] { labels->follow(); });

    auto* years = new QBarCategoryAxis;
    QStringList categories;
    for (std::size_t j = 0; j < data.values.size(); ++j)
        categories << QString::number(j + 1);
    years->append(categories);
    years->setLabelsVisible(false);
    years->setGridLineVisible(false);
    years->setLinePen(QPen(look.ink(), 1));
    chart->addAxis(years, Qt::AlignBottom);
    series->attachAxis(years);

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
        values->append(valueLabels[i], scale.tick(i));
    values->setRange(lowEdge, scale.maximum);
    chart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(values);

    if (data.target) {
        // Across the whole plot, its value named in the legend, which shows nothing else.
        auto* line = new QLineSeries;
        line->setName(QStringLiteral("Target ") +
                      qs(axisLabel(*data.target, scale, data.currencySymbol, look.seps)));
        const double bars = static_cast<double>(data.values.size());
        line->append(-0.5, *data.target);
        line->append(bars - 0.5, *data.target);
        line->setPen(look.targetPen());
        chart->addSeries(line);
        line->attachAxis(years);
        line->attachAxis(values);
        for (QLegendMarker* marker : chart->legend()->markers(series))
            marker->setVisible(false);
        chart->legend()->setAlignment(Qt::AlignTop);
        chart->legend()->setFont(labelFont);
        chart->legend()->setLabelColor(look.ink());
        chart->legend()->show();
    }
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
