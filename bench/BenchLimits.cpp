#include "BenchLimits.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace {

struct Limit {
    const char* measure;              // as the table names it
    const char* name;                 // the benchmark
    const char* counter;              // a counter of it instead of its time, or nullptr
    double limit;                     // seconds (a counter: its own unit)
    const char* relativeTo = nullptr; // the limit is this many times that benchmark's time
};

const std::vector<Limit>& limits() {
    static const std::vector<Limit> table = {
        {"report --pdf, 40-year weekly plan, whole process", "BM_ReportPdfWeekly40", nullptr,
         0.030},
        {"  its peak memory (MiB)", "BM_ReportPdfWeekly40", "peak_mib", 20},
        {"  its PDF (KB)", "BM_ReportPdfWeekly40", "pdf_kb", 100},
        {"report --pdf, 25-year monthly plan, whole process", "BM_ReportPdfMonthly25", nullptr,
         0.040},
        {"  its PDF (KB)", "BM_ReportPdfMonthly25", "pdf_kb", 40},
        {"schedule printout to PDF (2,080 payments)", "BM_ScheduleReportPdf", nullptr, 0.010},
        {"engine, 2,080 rows (limit: 2 x BM_BareLoopFloor)", "BM_WorstCaseSchedule", nullptr, 2,
         "BM_BareLoopFloor"},
        {"schedule printout as text", "BM_ScheduleReportText", nullptr, 0.001},
        {"calculate to grid", "BM_CalculateToGrid", nullptr, 0.001},
        {"goal: contribution, 40-year monthly plan", "BM_GoalContribution40", nullptr, 0.005},
        {"goal: lump sum, 40-year monthly plan", "BM_GoalLump40", nullptr, 0.005},
        {"goal: years, 40-year monthly plan", "BM_GoalYears40", nullptr, 0.005},
        {"goal: rate, 40-year monthly plan", "BM_GoalRate40", nullptr, 0.005},
        {"report goal --csv, whole process", "BM_ReportGoalCsv", nullptr, 0.020},
        {"compare: three 40-year weekly plans", "BM_CompareThreeWeekly40", nullptr, 0.002},
        {"compare: calculate to grid, the same three", "BM_CompareCalculateToGrid", nullptr, 0.005},
        {"report compare --csv, the same three, whole process", "BM_ReportCompareCsv", nullptr,
         0.020},
        {"history: 600 statements of 60 lines", "BM_History600x60", nullptr, 0.005},
        {"actual: a month of 10,000 transactions, matched", "BM_ActualPeriod10k", nullptr, 0.010},
        {"report actual, 10,000 OFX imported, whole process", "BM_ReportImportOfx10k", nullptr,
         0.200},
    };
    return table;
}

// "12.3 ms", "45.6 us", "29.8" for counters.
std::string figure(double value, bool seconds) {
    const char* unit = "";
    if (seconds) {
        unit = " s";
        if (value < 1e-3) {
            value *= 1e6;
            unit = " us";
        } else if (value < 1) {
            value *= 1e3;
            unit = " ms";
        }
    }
    char text[32];
    const auto end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 1).ptr;
    return std::string(text, end) + unit;
}

std::string padded(std::string text, std::size_t width) {
    if (text.size() < width)
        text.append(width - text.size(), ' ');
    return text;
}

// The figure, NaN when it was not measured.
double find(const BenchMedians& medians, const std::string& key) {
    const auto at = medians.find(key);
    return at == medians.end() ? std::nan("") : at->second;
}

} // namespace

std::string limitsTable(const BenchMedians& medians) {
    std::string out = padded("measure", 52) + padded("median", 14) + "limit\n";
    for (const Limit& row : limits()) {
        const bool seconds = row.counter == nullptr;
        const double value =
            find(medians, seconds ? row.name : std::string(row.name) + ":" + row.counter);
        const double limit = row.limit * (row.relativeTo ? find(medians, row.relativeTo) : 1.0);
        out += padded(row.measure, 52);
        out += padded(std::isnan(value) ? "not run" : figure(value, seconds), 14);
        out += padded(std::isnan(limit) ? "not run" : figure(limit, seconds), 14);
        if (value > limit)
            out += "OVER THE LIMIT"; // false when either is NaN
        while (!out.empty() && out.back() == ' ')
            out.pop_back();
        out += "\n";
    }
    return out;
}
