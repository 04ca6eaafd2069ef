// pecunex-report goal run as a process: the reference printout, each answer checked by
// pecunex-report savings, and the refusals.
#include <gtest/gtest.h>

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

// The fields of the last line of a CSV text, numbers where they are numbers.
std::vector<double> lastLine(const std::string& csv) {
    std::vector<double> fields;
    std::size_t at = csv.rfind('\n', csv.size() - 3) + 1;
    for (; at != 0; at = csv.find(',', at) + 1)
        std::from_chars(csv.data() + at, csv.data() + csv.size(), fields.emplace_back());
    return fields;
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
        ASSERT_EQ(goal.out.rfind("solve,answer,value,value_today\r\n", 0), 0u);
        const std::vector<double> answer = lastLine(goal.out);
        const double target = std::stod(std::string(c.goal).substr(9));
        const bool years = std::string(c.option) == "--years";
        const long steps = std::lround(answer[1] * (years ? 1 : 100));
        for (const long figure : {steps, steps - 1}) {
            const std::string value = years ? std::to_string(figure)
                                            : std::to_string(figure / 100) + "." +
                                                  std::to_string(figure % 100 / 10) +
                                                  std::to_string(figure % 10);
            const ProcessRun savings =
                report(std::string("savings ") + c.plan + " " + c.option + " " + value +
                       (c.today ? "" : " --inflation 0") + " --csv");
            ASSERT_EQ(savings.status, 0) << savings.err;
            const double last = lastLine(savings.out).back();
            EXPECT_EQ(last >= target, figure == steps) << value << " gives " << last;
            EXPECT_TRUE(figure != steps || last == answer[c.today ? 3 : 2]);
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
