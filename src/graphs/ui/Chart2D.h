#pragma once
// The flat bar chart, built with Qt Charts.
#include "ChartLook.h"
#include "GraphSeries.h"

class QChart;
class QPainter;
class QRectF;

// A new chart (owned by the caller, or by the view it is given to) drawing `data`, laid
// out for a picture of `width` pixels.
QChart* makeChart2D(const ChartData& data, const ChartLook& look, double width);

// Draws the chart into `area` without any window.
void paintChart2D(QPainter& painter, const QRectF& area, const ChartData& data,
                  const ChartLook& look);
