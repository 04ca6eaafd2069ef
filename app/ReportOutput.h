#pragma once
// The output step every pecunex-report subcommand shares: the bar graph and the PDF when
// asked, then the CSV or the printer text on standard output (the text only when no file
// was asked for, or with --text).
#include <functional>
#include <optional>
#include <string>
#include <variant>

#include "GraphOptions.h"
#include "GraphSeries.h"
#include "Paper.h"

class Printer;

// What a subcommand made of its file or plan.
struct ReportOutput {
    std::function<void(Printer&)> print; // the whole document: set-up, report, end
    std::function<std::string()> csv;
    std::optional<ChartData> chart; // for --graph, where the worksheet has a graph
};

// A subcommand that cannot make its report: the exit status (2 usage, 1 file or calculation)
// and the message that follows "pecunex-report: " on stderr.
struct Refusal {
    int status;
    std::string message;
};

using Made = std::variant<ReportOutput, Refusal>;

struct OutputRequest {
    bool csv = false;
    bool text = false; // the printout text on stdout beside the files
    std::optional<std::string> pdf;
    Paper paper = Paper::Letter; // the PDF's
    GraphRequest graph;
};

// Writes everything asked for. 0 when all was written; 1 with a message on stderr naming
// what could not be written. `argv` is the program's own, for a program with Qt's drawing
// to take over a request that needs it (see QtDrawing.h).
int emitReport(const ReportOutput& output, const OutputRequest& request, char** argv);
