// pecunex-report run as a process, the way scripts use it.
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

void writeText(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// A scratch folder for the run, removed at exit.
const struct Scratch {
    fs::path path = fs::temp_directory_path() / ("pecunex-report-test-" + std::to_string(getpid()));
    Scratch() { fs::create_directories(path); }
    ~Scratch() { fs::remove_all(path); }
} scratch;

struct ProcessRun { int status; std::string out, err; };

// Runs the program in `folder`; `arguments` are shell text, quoted by the caller.
ProcessRun report(const fs::path& folder, const std::string& arguments) {
    const fs::path out = scratch.path / "stdout.txt", err = scratch.path / "stderr.txt";
    const std::string command = "cd '" + folder.string() + "' && '" PECUNEX_BINARY_DIR "/pecunex-report' " + arguments;
    const int raw = std::system((command + " >'" + out.string() + "' 2>'" + err.string() + "'").c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readText(out), readText(err)};
}

TEST(ReportCommandLine, HelpSucceedsAndFailuresExitWithTheirMessage) {
    const ProcessRun help = report(Golden, "--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("pecunex-report mortgage FILE.umd"), std::string::npos);
    EXPECT_NE(help.out.find("cumulative_principal"), std::string::npos);  // the CSV columns are documented

    const fs::path& dir = scratch.path;
    fs::copy_file(Golden / "loan-36m-all.uld", dir / "loan.uld", fs::copy_options::overwrite_existing);
    const std::string rest = ",\"   Semiannual\",\"      Monthly\",\"2027-01-01\",0,1,1,0,0,1,365,\"O\",0\r\n";
    writeText(dir / "short.umd", "120000,6.5,20,\"   Semiannual\"\r\n");
    writeText(dir / "garbled.uld", "\"x\",\"y\"\r\n");
    writeText(dir / "zero-rate.umd", "120000,0,20" + rest);
    writeText(dir / "baddate.umd", "1,6,20,\"   Semiannual\",\"      Monthly\",\"soon\",0,1,1,0,0,1,365,\"O\",0\r\n");
    const std::string usage = "usage: pecunex-report",
                      fileMessage = "File not found or wrong format. Check Filename and/or Directory.\n";
    const struct { const char* args; int status; std::string err; } cases[] = {  // exit 1: all of stderr
        {"", 2, usage}, {"mortgage", 2, usage}, {"spreadsheet x.umd", 2, usage}, {"networth x", 2, "not available yet"},
        {"loan loan.uld --font 4", 2, usage}, {"loan loan.uld --font x", 2, usage}, {"loan loan.uld --font", 2, usage},
        {"loan loan.uld --colour red", 2, usage}, {"loan loan.uld x.uld", 2, usage},  // two files
        {"mortgage missing.umd", 1, fileMessage}, {"mortgage short.umd", 1, fileMessage},
        {"loan garbled.uld", 1, fileMessage}, {"mortgage baddate.umd", 1, fileMessage},  // a date that is none
        {"mortgage zero-rate.umd", 1, "Wrong or missing entry, try again.\n"},
    };
    for (const auto& c : cases) {
        const ProcessRun r = report(dir, c.args);
        EXPECT_EQ(r.status, c.status) << c.args;
        EXPECT_EQ(r.out, "") << c.args;
        EXPECT_TRUE(c.status == 1 ? r.err == c.err : r.err.find(c.err) != std::string::npos) << c.args << ": " << r.err;
    }
}

// The reference printouts, run exactly as their .args files say; the loan also as PDF, which
// leaves the text on standard output as it was.
TEST(ReportCommandLine, ReferenceExamplesMatchByteForByteAndPdfIsWrittenBeside) {
    const fs::path pdf = scratch.path / "loan.pdf";
    for (const std::string name : {"loan-36m-all", "mortgage-20y-annual"}) {
        const std::string args = readText(Golden / (name + ".args"));
        ASSERT_FALSE(args.empty()) << name;
        const std::string pdfArg = name[0] == 'l' ? " --pdf '" + pdf.string() + "'" : "";
        const ProcessRun r = report(Golden, args.substr(0, args.find('\n')) + pdfArg);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, readText(Golden / (name + ".expected.txt"))) << name;
    }
    EXPECT_GT(fs::file_size(pdf), 1000u);
    EXPECT_EQ(readText(pdf).rfind("%PDF", 0), 0u);
}

TEST(ReportCommandLine, CsvHasOneLinePerScheduleRowAfterTheHeader) {
    ProcessRun r = report(Golden, "loan loan-36m-all.uld --csv");
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1 + 36) << r.err;
    EXPECT_EQ(r.out.rfind("payment,year,interest,principal,balance,cumulative_interest,cumulative_principal\r\n"
                          "1,1,138.75,435.74,17564.26,138.75,435.74\r\n", 0), 0u);
    EXPECT_NE(r.out.find("\r\n36,3,4.39,570.10,0.00,2681.71,18000.00\r\n"), std::string::npos);
    r = report(Golden, "mortgage mortgage-20y-annual.umd --csv");
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1 + 20);
    EXPECT_EQ(r.out.rfind("year,interest,principal,balance,cumulative_interest,cumulative_principal\r\n", 0), 0u);
    EXPECT_NE(r.out.find("\r\n20,361.39,10301.82,0.00,93264.12,120000.00\r\n"), std::string::npos);
}

} // namespace
