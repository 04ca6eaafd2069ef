#pragma once
// The chart as a picture: for the printer, for image files and for the batch report.
#include <QImage>
#include <QSize>

#include "ChartLook.h"
#include "GraphOptions.h"
#include "GraphSeries.h"

class QString;

// The chart drawn offscreen, flat or three-dimensional.
QImage renderChart(const ChartData& data, bool threeD, QSize size, const ChartLook& look = {});

// Writes the chart to a PNG or SVG file. False when the file could not be written.
bool saveChart(const QString& fileName, ImageFormat format, const ChartData& data, bool threeD,
               QSize size, const ChartLook& look = {});

// For the batch report: Qt draws without a screen, whatever display the caller may have,
// and keeps all but its errors to itself. Called before the application object is made.
void drawWithoutScreen();

// For the batch report: draws the requested image without a display, starting the
// application object itself when there is none. False when the file could not be written.
bool writeGraphImage(const GraphRequest& request, const ChartData& data, char* argv0);
