// Benchmarks need a QApplication (grids, PDF printing) but never a display. After the runs the
// medians are set against the speed limits (BenchLimits.h).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <iostream>
#include <unistd.h>

#include <QApplication>

#include "BenchLimits.h"

namespace {

// The console's report, keeping each benchmark's median (the run itself when not repeated).
class MedianReporter : public benchmark::ConsoleReporter {
  public:
    // Colours only for a terminal, as the library's own reporter does.
    MedianReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if (run.error_occurred || !(median || single))
                continue;
            const std::string name = run.run_name.function_name;
            medians[name] =
                run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            for (const auto& [counter, value] : run.counters)
                medians[name + ":" + counter] = value;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    BenchMedians medians;
};

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::cout << "\n" << limitsTable(reporter.medians);
    return 0;
}
