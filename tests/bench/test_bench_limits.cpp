// The benchmark report's table: medians beside limits, a measure over its limit marked, the
// engine's limit taken from the floor measured in the same run.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "BenchLimits.h"

namespace {

// The table's row whose measure starts with `measure`.
std::string rowOf(const std::string& table, const std::string& measure) {
    std::istringstream lines(table);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind(measure, 0) == 0)
            return line;
    return "(no row)";
}

bool marked(const std::string& row) {
    return row.find("OVER THE LIMIT") != std::string::npos;
}

} // namespace

TEST(BenchLimits, MarksWhatIsOverItsLimitAndOnlyThat) {
    const BenchMedians medians = {
        {"BM_ScheduleReportPdf", 0.0312},
        {"BM_ScheduleReportText", 0.0004},
        {"BM_CalculateToGrid", 0.001},
        {"BM_ReportPdfWeekly40", 0.025},
        {"BM_ReportPdfWeekly40:peak_mib", 31.5},
        {"BM_WorstCaseSchedule", 21e-6},
        {"BM_BareLoopFloor", 10e-6},
    };
    const std::string table = limitsTable(medians);
    const struct {
        const char* measure;
        bool over;
        const char* figures;
    } rows[] = {
        {"schedule printout to PDF", true, "31.2 ms"}, // 31.2 ms > 30 ms
        {"schedule printout as text", false, "400.0 us"},
        {"calculate to grid", false, "1.0 ms"}, // at the limit is within it
        {"report --pdf, 40-year", false, "25.0 ms"},
        {"  its peak memory", true, "31.5"},     // 31.5 MiB > 20 MiB
        {"engine, 2,080 rows", true, "20.0 us"}, // 21 us > 2 x 10 us, the limit shown
    };
    for (const auto& row : rows) {
        const std::string line = rowOf(table, row.measure);
        EXPECT_EQ(marked(line), row.over) << line;
        EXPECT_NE(line.find(row.figures), std::string::npos) << line;
    }
    EXPECT_NE(rowOf(table, "report --pdf, 25-year").find("not run"), std::string::npos);
}

TEST(BenchLimits, EngineWithoutItsFloorHasNoLimit) {
    const std::string row = rowOf(limitsTable({{"BM_WorstCaseSchedule", 1.0}}), "engine");
    EXPECT_FALSE(marked(row)) << row;
    EXPECT_NE(row.find("not run"), std::string::npos) << row;
}
