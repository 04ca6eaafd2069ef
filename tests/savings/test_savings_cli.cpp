// pecunex-report savings run as a process: the reference printout, CSV, and the refusals.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "SavingsOptions.h"

namespace fs = std::filesystem;

namespace {

const fs::path Golden = PECUNEX_SOURCE_DIR "/tests/golden";

std::string readText(const fs::path& path) {
    std::ostringstream s;
    s << std::ifstream(path, std::ios::binary).rdbuf();
    return s.str();
}

const struct Scratch {
    fs::path path =
        fs::temp_directory_path() / ("pecunex-savings-test-" + std::to_string(getpid()));
    Scratch() { fs::create_directories(path); }
    ~Scratch() { fs::remove_all(path); }
} scratch;

struct ProcessRun {
    int status;
    std::string out, err;
};

ProcessRun report(const std::string& arguments) {
    const fs::path out = scratch.path / "stdout.txt", err = scratch.path / "stderr.txt";
    const std::string command =
        "cd '" + Golden.string() + "' && '" PECUNEX_BINARY_DIR "/pecunex-report' " + arguments;
    const int raw =
        std::system((command + " >'" + out.string() + "' 2>'" + err.string() + "'").c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readText(out), readText(err)};
}

TEST(SavingsCommand, ReferenceExampleMatchesByteForByteAndPdfIsWritten) {
    const std::string args = readText(Golden / "savings-quarterly-12y.args");
    const fs::path pdf = scratch.path / "savings.pdf";
    const ProcessRun r =
        report(args.substr(0, args.find('\n')) + " --pdf '" + pdf.string() + "' --text");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, readText(Golden / "savings-quarterly-12y.expected.txt"));
    EXPECT_EQ(readText(pdf).rfind("%PDF", 0), 0u);
}

TEST(SavingsCommand, DefaultsAreTheWorksheetsAndCsvListsThePeriods) {
    ProcessRun r = report("savings --font 0 --currency '$'");
    EXPECT_EQ(r.status, 0);
    // the worksheet's defaults: 1,200.00 a year at 20 % for 25 years, annually
    EXPECT_NE(r.out.find(" Annual Amount Invested each contribution               $1,200.00\n"),
              std::string::npos);
    EXPECT_NE(r.out.find(" Frequency of each contribution                          Annually\n"),
              std::string::npos);
    EXPECT_NE(r.out.find(" Time in Years                                                 25\n"),
              std::string::npos);
    EXPECT_EQ(r.out.find('\f'), std::string::npos);

    r = report("savings --frequency Monthly --years 2 --contribution 100 --rate 12 --csv");
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1 + 24);
    // hand: (100 + 0) * (1.12^(1/12) - 1) = 0.95
    EXPECT_EQ(r.out.rfind("period,invested,interest,value\r\n1,100.00,0.95,100.95\r\n", 0), 0u);

    r = report("savings --years 0"); // the worksheet refuses to print this; the command prints it
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("________\n\n Total:              $1,200.00              $240.00          "
                         "   $1,440.00\n"),
              std::string::npos);
}

TEST(SavingsCommand, RefusalsExitWithUsageOrMessage) {
    const struct {
        const char* args;
        int status;
        const char* err;
    } cases[] = {
        {"savings --rate abc", 2, "--rate"},
        {"savings --rate 1e5", 2, "--rate"},
        {"savings --rate -3", 2, "--rate"},
        {"savings --lump -5", 2, "--lump"},
        {"savings --contribution 12,5", 2, "--contribution"},
        {"savings --frequency weekly", 2, "--frequency"},
        {"savings --frequency ' Monthly'", 2, "--frequency"},
        {"savings --years 41", 2, "--years"},
        {"savings --years 2.5", 2, "--years"},
        {"savings --years", 2, "--years"},
        {"savings plan.txt", 2, "no file"},
        {"savings --lump 900000000000000 --years 40", 1, "Cannot calculate.\n"},
    };
    for (const auto& c : cases) {
        const ProcessRun r = report(c.args);
        EXPECT_EQ(r.status, c.status) << c.args;
        EXPECT_EQ(r.out, "") << c.args;
        EXPECT_NE(r.err.find(c.err), std::string::npos) << c.args << ": " << r.err;
        if (c.status == 2) {
            EXPECT_NE(r.err.find("usage: pecunex-report"), std::string::npos) << c.args;
        }
    }
    // negative increase and inflation are figures the worksheet can hold too
    EXPECT_EQ(report("savings --increase -2 --inflation -1.5 --csv").status, 0);
}

TEST(SavingsOptions, TakeTheirValueOrNameTheOptionInTheReason) {
    GrowthInput plan = defaultGrowthInput();
    EXPECT_FALSE(setSavingsOption(plan, "--lump", "4000.25").has_value());
    EXPECT_FALSE(setSavingsOption(plan, "--inflation", "-.5").has_value());
    EXPECT_FALSE(setSavingsOption(plan, "--frequency", "Quarterly").has_value());
    EXPECT_FALSE(setSavingsOption(plan, "--years", "40").has_value());
    EXPECT_EQ(plan.lump, *Currency::fromDouble(4000.25));
    EXPECT_EQ(plan.inflationPercent, *Currency::fromDouble(-0.5));
    EXPECT_EQ(plan.frequency + std::to_string(plan.years), "Quarterly40");
    for (const char* bad : {"", "-", ".", "1.2.3", " 5", "5 ", "+5", "0x10", "nan", "inf"})
        EXPECT_TRUE(setSavingsOption(plan, "--rate", bad).value_or("").find("--rate") == 0) << bad;
    EXPECT_TRUE(isSavingsOption("--increase"));
    EXPECT_FALSE(isSavingsOption("--header"));
}

} // namespace
