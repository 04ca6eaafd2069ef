// pecunex-report goal run as a process: the reference printout, each answer checked by
// pecunex-report savings, and the refusals.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "ReportProcess.h"

namespace {

using namespace report_process;

const fs::path Golden = PECUNEX_SOURCE_DIR "/tests/golden";
const Scratch scratch("pecunex-goal-test");

ProcessRun report(const std::string& arguments) {
    return run(scratch.path, arguments);
}

// The fields of line `line` (0: the header) of a CSV text.
std::vector<std::string> csvFields(const std::string& csv, std::size_t line) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < line && start != std::string::npos; ++i)
        start = csv.find('\n', start) + 1;
    const std::string text = csv.substr(start, csv.find('\r', start) - start);
    std::vector<std::string> fields;
    for (std::size_t at = 0;; at = text.find(',', at) + 1) {
        fields.push_back(text.substr(at, text.find(',', at) - at));
        if (text.find(',', at) == std::string::npos)
            return fields;
    }
}

double number(const std::string& text) {
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

TEST(GoalCommand, ReferenceExampleMatchesByteForByteAndPdfIsWritten) {
    const std::string args = readText(Golden / "goal-monthly-deposit.args");
    const fs::path pdf = scratch.path / "goal.pdf";
    const ProcessRun r =
        run(Golden, args.substr(0, args.find('\n')) + " --pdf '" + pdf.string() + "'");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, readText(Golden / "goal-monthly-deposit.expected.txt"));
    EXPECT_EQ(readText(pdf).rfind("%PDF", 0), 0u);
}

// Each answer given to the savings report reaches the target; one step less does not.
TEST(GoalCommand, SavingsReportConfirmsEachAnswer) {
    const struct {
        const char* plan;
        const char* goal;
        const char* option; // the savings option the answer goes to
        bool today;
    } cases[] = {
        {"--frequency Monthly --rate 7 --inflation 2.5 --years 25",
         "--target 500000 --today --solve contribution", "--contribution", true},
        {"--frequency Quarterly --contribution 250 --rate 5 --inflation 3 --years 15",
         "--target 80000 --solve lump", "--lump", false},
        {"--contribution 5000 --inflation 3 --years 20", "--target 200000 --today --solve rate",
         "--rate", true},
        {"--frequency Monthly --contribution 400 --rate 6 --increase 2",
         "--target 100000 --solve years", "--years", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.goal);
        const ProcessRun goal = report(std::string("goal ") + c.plan + " " + c.goal + " --csv");
        ASSERT_EQ(goal.status, 0) << goal.err;
        ASSERT_EQ(csvFields(goal.out, 0),
                  (std::vector<std::string>{"solve", "answer", "value", "value_today"}));
        const std::vector<std::string> answer = csvFields(goal.out, 1);
        const double target = number(std::string(c.goal).substr(9));
        const bool years = std::string(c.option) == "--years";
        const long steps = std::lround(number(answer[1]) * (years ? 1 : 100));
        for (const long figure : {steps, steps - 1}) {
            const std::string value = years ? std::to_string(figure)
                                            : std::to_string(figure / 100) + "." +
                                                  std::to_string(figure % 100 / 10) +
                                                  std::to_string(figure % 10);
            const ProcessRun savings =
                report(std::string("savings ") + c.plan + " " + c.option + " " + value +
                       (c.today ? "" : " --inflation 0") + " --csv");
            ASSERT_EQ(savings.status, 0) << savings.err;
            const std::size_t rows = std::count(savings.out.begin(), savings.out.end(), '\n');
            const double last = number(csvFields(savings.out, rows - 1).back());
            EXPECT_EQ(last >= target, figure == steps) << value << " gives " << last;
            if (figure == steps) {
                EXPECT_EQ(last, number(answer[c.today ? 3 : 2]));
            }
        }
    }
}

TEST(GoalCommand, RefusalsExitWithUsageOrMessage) {
    const struct {
        const char* args;
        int status;
        const char* err;
    } cases[] = {
        {"goal --solve lump", 2, "--target"},
        {"goal --target 0 --solve lump", 2, "--target"},
        {"goal --target 1e6 --solve lump", 2, "--target"},
        {"goal --target 50000", 2, "--solve"},
        {"goal --target 50000 --solve salary", 2, "--solve"},
        {"goal --target 50000 --solve lump --rate -1", 2, "--rate"},
        {"goal --target 50000 --solve lump --today=yes", 2, "--today"},
        {"goal plan.Gol --target 50000 --solve lump", 2, "no file"},
        {"goal --target 1000000000 --solve rate --contribution 100 --years 10", 1,
         "goal: The target is not reached at an annual rate up to 100%.\n"},
        {"goal --target 10000000 --solve years --contribution 1 --rate 1", 1,
         "goal: The target is not reached within 40 years.\n"},
        {"goal --target 50000 --solve lump --years 0", 1, "goal: Wrong or missing entry"},
    };
    for (const auto& c : cases) {
        const ProcessRun r = report(c.args);
        EXPECT_EQ(r.status, c.status) << c.args;
        EXPECT_EQ(r.out, "") << c.args;
        EXPECT_NE(r.err.find(c.err), std::string::npos) << c.args << ": " << r.err;
    }
}

} // namespace
