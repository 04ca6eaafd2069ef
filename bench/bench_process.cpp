// pecunex-report as a user starts it, timed from outside: start-up, reading, calculating, the
// PDF and the exit; and the process's peak memory.
#include <benchmark/benchmark.h>

#include <charconv>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "BenchStatements.h"

extern char** environ;

namespace {

// Runs a program to its end with its output thrown away. False when it could not start or did
// not succeed.
bool runToEnd(const std::vector<std::string>& args) {
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
        return false;
    int status = 0;
    return waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The peak resident memory of a run in KiB, -1 when it cannot be told. A child's own account
// would start from this process's size (a new process begins as a copy of its parent), so
// GNU time, a small process, starts the program and reports its peak.
long peakOf(const std::vector<std::string>& args) {
    constexpr const char* Time = "/usr/bin/time";
    if (access(Time, X_OK) != 0)
        return -1;
    const auto file = std::filesystem::temp_directory_path() / "pecunex-bench-peak.txt";
    std::vector<std::string> timed = {Time, "-f", "%M", "-o", file.string()};
    timed.insert(timed.end(), args.begin(), args.end());
    if (!runToEnd(timed))
        return -1;
    std::ifstream in(file);
    std::string text;
    std::getline(in, text);
    long kib = -1;
    std::from_chars(text.data(), text.data() + text.size(), kib);
    return kib;
}

void reportToPdf(benchmark::State& state, const char* plan) {
    const auto pdf = std::filesystem::temp_directory_path() / "pecunex-bench-process.pdf";
    const std::vector<std::string> args = {PECUNEX_BINARY_DIR "/pecunex-report",
                                           "mortgage",
                                           std::string(PECUNEX_SOURCE_DIR "/bench/plans/") + plan,
                                           "--font",
                                           "1",
                                           "--paper",
                                           "letter",
                                           "--pdf",
                                           pdf.string()};
    for (auto _ : state) {
        if (!runToEnd(args)) {
            state.SkipWithError("pecunex-report did not succeed");
            return;
        }
    }
    // Measured apart, outside the timed runs.
    if (const long kib = peakOf(args); kib > 0)
        state.counters["peak_mib"] = static_cast<double>(kib) / 1024.0;
    std::error_code ec;
    state.counters["pdf_kb"] = static_cast<double>(std::filesystem::file_size(pdf, ec)) / 1000.0;
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

// The savings goal's answer as CSV: start-up, 40 years of monthly plans solved, the exit.
void BM_ReportGoalCsv(benchmark::State& state) {
    const std::vector<std::string> args = {PECUNEX_BINARY_DIR "/pecunex-report",
                                           "goal",
                                           "--target",
                                           "1000000",
                                           "--today",
                                           "--solve",
                                           "contribution",
                                           "--frequency",
                                           "Monthly",
                                           "--rate",
                                           "7.5",
                                           "--increase",
                                           "3",
                                           "--inflation",
                                           "2.5",
                                           "--years",
                                           "40",
                                           "--csv"};
    for (auto _ : state) {
        if (!runToEnd(args)) {
            state.SkipWithError("pecunex-report did not succeed");
            return;
        }
    }
}
BENCHMARK(BM_ReportGoalCsv)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// The loan comparison of three 40-year weekly plans as CSV: start-up, three schedules, exit.
void BM_ReportCompareCsv(benchmark::State& state) {
    const std::vector<std::string> args = {
        PECUNEX_BINARY_DIR "/pecunex-report",
        "compare",
        "--csv",
        "--plan",
        "principal=400000,rate=6.5,frequency=1week,years=40",
        "--plan",
        "principal=400000,rate=6.5,frequency=1week,years=40,convention=bank-exact",
        "--plan",
        "principal=400000,rate=6.5,frequency=1week,years=40,loan-date=2027-01-01,"
        "first-payment=2027-01-08"};
    for (auto _ : state)
        if (!runToEnd(args)) {
            state.SkipWithError("pecunex-report did not succeed");
            return;
        }
}
BENCHMARK(BM_ReportCompareCsv)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

// A year's statement of 10,000 transactions imported against a budget of three records and
// compared as CSV: start-up, libofx's reading, matching, the month's comparison, the exit.
void BM_ReportImportOfx10k(benchmark::State& state) {
    const auto folder = std::filesystem::temp_directory_path();
    const auto budget = folder / "pecunex-bench-budget.Bgt";
    const auto statement = folder / "pecunex-bench-statement.ofx";
    std::ofstream(budget, std::ios::binary)
        << "1\r\n1,\"Salary\",52000,26,52000\r\n2\r\n1,\"Rent\",14400,12,14400\r\n"
           "2,\"Groceries\",7800,52,7800\r\n";
    std::ofstream(statement, std::ios::binary) << ofxStatement();
    const std::vector<std::string> args = {PECUNEX_BINARY_DIR "/pecunex-report",
                                           "actual",
                                           budget.string(),
                                           "--import",
                                           statement.string(),
                                           "--rule",
                                           "SHOP=Groceries",
                                           "--csv"};
    for (auto _ : state)
        if (!runToEnd(args)) {
            state.SkipWithError("pecunex-report did not succeed");
            break;
        }
    std::error_code ec;
    std::filesystem::remove(budget, ec);
    std::filesystem::remove(statement, ec);
}
BENCHMARK(BM_ReportImportOfx10k)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace
