#pragma once
// What only a program linking Qt's drawing can do for pecunex-report: the bar graph as an
// image, and a PDF in whatever fixed-pitch font Qt's font service finds when the printout
// font is not installed. pecunex-report itself links neither, so that printing text or a
// PDF does not load them; a request that needs them is handed to pecunex-report-qt, the
// same program with them, started in its place with the same arguments.
#include <functional>
#include <string>

#include "GraphOptions.h"
#include "GraphSeries.h"
#include "Paper.h"

class Printer;

struct QtDrawing {
    bool (*graph)(const GraphRequest& request, const ChartData& data, char* argv0);
    bool (*pdf)(const std::string& fileName, Paper paper, char* argv0,
                const std::function<void(Printer&)>& draw);
};

// The drawing this program links; nullptr in pecunex-report.
const QtDrawing* qtDrawing();

// The program that has it, for pecunex-report to start in its place.
inline constexpr const char* QtDrawingProgram = "pecunex-report-qt";
