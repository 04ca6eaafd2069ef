#pragma once
// Charts that set several series side by side: a group of bars per label, one bar of each
// series in its own colour, and a legend naming them. The frame (title, value axis, labels)
// is the one-series chart's own, drawn for the largest value of each group.
#include "BarGeometry.h"
#include "ChartLook.h"
#include "GraphSeries.h"

class QChart;
class QPainter;
class QRectF;

QChart* makeGroupedChart2D(const ChartData& data, const ChartLook& look, double width);
BarLayout paintGroupedChart3D(QPainter& painter, const QRectF& area, const ChartData& data,
                              const ChartLook& look);
