// pecunex-report as a user starts it, timed from outside: start-up, reading, calculating, the
// PDF and the exit, with the process's peak memory.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

// Runs a program to its end with its output thrown away. Its peak resident memory in KiB, or
// -1 when it could not start or did not succeed.
long runToEnd(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int started = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (started != 0)
        return -1;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return usage.ru_maxrss;
}

void reportToPdf(benchmark::State& state, const char* plan) {
    const auto pdf = std::filesystem::temp_directory_path() / "pecunex-bench-process.pdf";
    const std::vector<std::string> args = {PECUNEX_BINARY_DIR "/pecunex-report",
                                           "mortgage",
                                           std::string(PECUNEX_SOURCE_DIR "/bench/plans/") + plan,
                                           "--font",
                                           "1",
                                           "--pdf",
                                           pdf.string()};
    long peak = 0;
    for (auto _ : state) {
        const long kib = runToEnd(args);
        if (kib < 0) {
            state.SkipWithError("pecunex-report did not succeed");
            break;
        }
        peak = std::max(peak, kib);
    }
    state.counters["peak_mib"] = static_cast<double>(peak) / 1024.0;
    std::error_code ec;
    std::filesystem::remove(pdf, ec);
}

// The longest schedule: 2,080 weekly payments over 40 years, 38 pages.
void BM_ReportPdfWeekly40(benchmark::State& state) {
    reportToPdf(state, "weekly-40y.umd");
}
BENCHMARK(BM_ReportPdfWeekly40)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

// A common one: 300 monthly payments over 25 years, 6 pages.
void BM_ReportPdfMonthly25(benchmark::State& state) {
    reportToPdf(state, "monthly-25y.umd");
}
BENCHMARK(BM_ReportPdfMonthly25)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

} // namespace
