#pragma once
// pecunex-report compare: up to three loan plans from a comparison file, from mortgage and
// loan files (worksheet convention) or from --plan options, side by side or one plan's
// schedule.
#include <string>
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

Made makeCompareReport(const CompareRequest& request);
