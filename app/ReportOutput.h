#pragma once
// The output step every pecunex-report subcommand shares: the bar graph and the PDF when
// asked, then the CSV or the printer text on standard output.
#include <functional>
#include <optional>
#include <string>

#include "GraphOptions.h"
#include "GraphSeries.h"

class Printer;

// What a subcommand made of its file or plan.
struct ReportOutput {
    std::function<void(Printer&)> print; // the whole document: set-up, report, end
    std::function<std::string()> csv;
    std::optional<ChartData> chart; // for --graph, where the worksheet has a graph
};

struct OutputRequest {
    bool csv = false;
    std::optional<std::string> pdf;
    GraphRequest graph;
};

// Writes everything asked for. 0 when all was written; 1 with a message on stderr naming
// what could not be written. `argv` is the program's own, for a program with Qt's drawing
// to take over a request that needs it (see QtDrawing.h).
int emitReport(const ReportOutput& output, const OutputRequest& request, char** argv);
