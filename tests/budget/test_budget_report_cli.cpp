// pecunex-report budget run as a process, the way scripts use it.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

const fs::path Golden = PECUNEX_SOURCE_DIR "/tests/golden";

std::string readText(const fs::path& path) {
    std::ostringstream s;
    s << std::ifstream(path, std::ios::binary).rdbuf();
    return s.str();
}

void writeText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

const struct Scratch {
    fs::path path =
        fs::temp_directory_path() / ("pecunex-budget-report-test-" + std::to_string(getpid()));
    Scratch() { fs::create_directories(path); }
    ~Scratch() { fs::remove_all(path); }
} scratch;

struct ProcessRun {
    int status;
    std::string out, err;
};

ProcessRun report(const fs::path& folder, const std::string& arguments) {
    const fs::path out = scratch.path / "stdout.txt", err = scratch.path / "stderr.txt";
    const std::string command =
        "cd '" + folder.string() + "' && '" PECUNEX_BINARY_DIR "/pecunex-report' " + arguments;
    const int raw =
        std::system((command + " >'" + out.string() + "' 2>'" + err.string() + "'").c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readText(out), readText(err)};
}

TEST(BudgetReportCommand, ReferenceExampleMatchesByteForByteAlsoWithAPdf) {
    const std::string args = readText(Golden / "budget-household.args");
    ASSERT_FALSE(args.empty());
    const fs::path pdf = scratch.path / "budget.pdf";
    const ProcessRun r =
        report(Golden, args.substr(0, args.find('\n')) + " --pdf '" + pdf.string() + "' --text");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, readText(Golden / "budget-household.expected.txt"));
    EXPECT_EQ(readText(pdf).rfind("%PDF", 0), 0u);
}

TEST(BudgetReportCommand, CsvListsBothSidesForThePeriod) {
    const ProcessRun r =
        report(Golden, "budget budget-household.Bgt --csv --period Monthly --sort 'Names A - Z'");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1 + 3 + 6);
    EXPECT_EQ(
        r.out.rfind("side,number,description,amount,budgeted\r\nincome,1,Interest,25.88,25.00\r\n",
                    0),
        0u)
        << r.out;
    EXPECT_NE(r.out.find("\r\nincome,2,\"Rental income, basement\",800.00,750.00\r\n"),
              std::string::npos);
    EXPECT_NE(r.out.find("\r\nexpense,1,Car insurance,120.83,125.00\r\n"), std::string::npos);
}

TEST(BudgetReportCommand, DefaultsAreAnnualByName) {
    const ProcessRun r = report(Golden, "budget budget-household.Bgt --font 0 --currency '$'");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\n Interest                                310.50          300.00\n"),
              std::string::npos)
        << r.out;
    EXPECT_LT(r.out.find("Interest"), r.out.find("Rental income"));
    EXPECT_NE(r.out.find("\n Annual income                       $57,910.50      $57,300.00\n"),
              std::string::npos);
    EXPECT_NE(r.out.find("Annual Net Balance"), std::string::npos);
}

TEST(BudgetReportCommand, RefusalsExitWithTheirStatusAndPrintNothing) {
    const fs::path& dir = scratch.path;
    writeText(dir / "empty.Bgt", "0\r\n0\r\n");
    writeText(dir / "over.Bgt", "501\r\n");
    writeText(dir / "short.Bgt", "2\r\n1,\"Salary\",48000,24,48000\r\n");
    writeText(dir / "text.Bgt", "1\r\n1,\"Salary\",lots,24,48000\r\n0\r\n");
    writeText(dir / "nothing.Bgt", "");
    writeText(dir / "huge.Bgt",
              "2\r\n1,\"a\",900000000000000,1,0\r\n2,\"b\",900000000000000,1,0\r\n0\r\n");
    const std::string fileMessage =
        "File not found or wrong format. Check Filename and/or Directory.\n";
    const struct {
        const char* args;
        int status;
        std::string err;
    } cases[] = {
        {"budget empty.Bgt", 1, "No data to print. Calculate.\n"},
        {"budget over.Bgt", 1, fileMessage},
        {"budget short.Bgt", 1, fileMessage},
        {"budget text.Bgt --csv", 1, fileMessage},
        {"budget nothing.Bgt", 1, fileMessage},
        {"budget missing.Bgt", 1, fileMessage},
        {"budget huge.Bgt", 1, "Cannot calculate.\n"},
        {"budget empty.Bgt --period Fortnightly", 2, "usage: pecunex-report"},
        {"budget empty.Bgt --sort Random", 2, "usage: pecunex-report"},
        {"budget empty.Bgt --period", 2, "usage: pecunex-report"},
        {"budget", 2, "usage: pecunex-report"},
    };
    for (const auto& c : cases) {
        const ProcessRun r = report(dir, c.args);
        EXPECT_EQ(r.status, c.status) << c.args;
        EXPECT_EQ(r.out, "") << c.args;
        // A file's failure names the file: "pecunex-report: FILE: message".
        const std::string args = c.args;
        const std::string file = args.size() > 7 ? args.substr(7, args.find(' ', 7) - 7) : "";
        EXPECT_TRUE(c.status == 1 ? r.err == "pecunex-report: " + file + ": " + c.err
                                  : r.err.find(c.err) != std::string::npos)
            << c.args << ": " << r.err;
    }
}

} // namespace
