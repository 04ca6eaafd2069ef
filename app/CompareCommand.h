#pragma once
// pecunex-report compare: up to three loan plans from a comparison file, from mortgage and
// loan files (worksheet convention) or from --plan options, side by side or one plan's
// schedule.
#include <string>
#include <variant>
#include <vector>

#include "ReportFrame.h"
#include "ReportOutput.h"

struct CompareRequest {
    std::vector<std::string> files;     // .Cmp, or .umd/.uld
    std::vector<std::string> planTexts; // each --plan, in order
    std::string schedule;               // "", "A", "B" or "C"
    bool annual = false;
    ReportSettings settings;
};

// What cannot be made: the exit status (2 usage, 1 file or calculation) and the message
// that follows "pecunex-report: ".
struct CompareRefusal {
    int status;
    std::string message;
};

std::variant<ReportOutput, CompareRefusal> makeCompareReport(const CompareRequest& request);
