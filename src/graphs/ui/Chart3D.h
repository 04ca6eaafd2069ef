#pragma once
// The three-dimensional bar chart, drawn with our own painter: extruded bars in oblique
// projection in front of a back wall and a floor, the value axis on the left.
#include <QWidget>

#include "BarGeometry.h"
#include "ChartLook.h"
#include "GraphSeries.h"

class QPainter;
class QRectF;

// Draws the whole chart (title, axis, bars, year labels) into `area`; returns where it put
// the plot and the bars.
BarLayout paintChart3D(QPainter& painter, const QRectF& area, const ChartData& data,
                       const ChartLook& look);

// Draws a bar's side, top and front, in that order, `origin` being the chart's top left.
void paintBar(QPainter& painter, const BarShape& bar, QPointF origin, const QBrush& side,
              const QBrush& top, const QBrush& front);

// A widget showing the chart.
class Chart3DView : public QWidget {
  public:
    explicit Chart3DView(QWidget* parent = nullptr);
    void setChart(ChartData data, ChartLook look);
    const ChartData& chart() const { return data_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    ChartData data_;
    ChartLook look_;
};
