// pecunex-report run as a process, the way scripts use it.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

const std::string Binary = PECUNEX_BINARY_DIR "/pecunex-report";
const std::string FileMessage = "File not found or wrong format. Check Filename and/or Directory.";

std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeText(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

int lineCount(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

// A scratch folder removed at the end of the test.
struct TempDir {
    fs::path path;
    TempDir() {
        std::random_device rd;
        path = fs::temp_directory_path() / ("pecunex-report-test-" + std::to_string(rd()));
        fs::create_directories(path);
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
};

struct ProcessRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs `program arguments` in `folder` (arguments are shell text, quoted by the caller).
ProcessRun runIn(const fs::path& folder, const std::string& program, const std::string& arguments) {
    TempDir scratch;
    const fs::path errFile = scratch.path / "stderr.txt";
    const std::string command =
        "cd '" + folder.string() + "' && '" + program + "' " + arguments + " 2>'" + errFile.string() + "'";
    ProcessRun r;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return r;
    char buf[4096];
    for (std::size_t n; (n = fread(buf, 1, sizeof buf, pipe)) > 0;)
        r.out.append(buf, n);
    const int raw = pclose(pipe);
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.err = readText(errFile);
    return r;
}

ProcessRun report(const std::string& arguments, const fs::path& folder = PECUNEX_SOURCE_DIR "/tests/golden") {
    return runIn(folder, Binary, arguments);
}

// The shared reference examples, when this checkout sits beside them.
fs::path examplesFolder() {
    const fs::path beside = fs::path(PECUNEX_SOURCE_DIR) / ".." / "shared" / "examples";
    if (fs::exists(beside / "README.md"))
        return beside;
    const fs::path absolute = "/work/shared/examples";
    if (fs::exists(absolute / "README.md"))
        return absolute;
    return {};
}

std::string firstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

// ---------------------------------------------------------------------------------------------

TEST(ReportCommandLine, HelpGoesToStdoutAndSucceeds) {
    const ProcessRun r = report("--help");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("pecunex-report mortgage FILE.umd"), std::string::npos);
    EXPECT_NE(r.out.find("--csv"), std::string::npos);
    EXPECT_NE(r.out.find("cumulative_principal"), std::string::npos);  // the CSV columns are documented
    EXPECT_EQ(r.err, "");
}

TEST(ReportCommandLine, UsageErrorsExitTwoWithAUsageLine) {
    const char* wrong[] = {
        "",                                          // nothing asked
        "mortgage",                                  // no file
        "spreadsheet x.umd",                         // unknown report
        "loan loan-36m-all.uld --font 4",            // font out of range
        "loan loan-36m-all.uld --font x",            // font not a number
        "loan loan-36m-all.uld --font",              // option without value
        "loan loan-36m-all.uld --colour red",        // unknown option
        "loan loan-36m-all.uld mortgage-20y-annual.umd",  // two files
    };
    for (const char* args : wrong) {
        SCOPED_TRACE(args);
        const ProcessRun r = report(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("usage: pecunex-report"), std::string::npos) << r.err;
    }
}

TEST(ReportCommandLine, OtherReportsAreNotAvailableYet) {
    for (const char* args : {"budget x.Bgt", "networth x.NWV", "savings --years 10"}) {
        SCOPED_TRACE(args);
        const ProcessRun r = report(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find("not available yet"), std::string::npos);
        EXPECT_EQ(r.out, "");
    }
}

TEST(ReportCommandLine, UnreadableFilesExitOneWithMessageThirteen) {
    TempDir dir;
    writeText(dir.path / "short.umd", "120000,6.5,20,\"   Semiannual\"\r\n");
    writeText(dir.path / "garbled.uld", "\"x\",\"y\"\r\n");
    writeText(dir.path / "baddate.umd",
              "120000,6.5,20,\"   Semiannual\",\"      Monthly\",\"soon\",0,1,1,0,0,1,365,\"O\",0\r\n");
    for (const char* args : {"mortgage missing.umd", "mortgage short.umd", "loan garbled.uld", "mortgage baddate.umd"}) {
        SCOPED_TRACE(args);
        const ProcessRun r = report(args, dir.path);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, FileMessage + "\n");
    }
}

TEST(ReportCommandLine, FailedCalculationsExitOneWithTheirMessage) {
    TempDir dir;
    writeText(dir.path / "zero-rate.umd",
              "120000,0,20,\"   Semiannual\",\"      Monthly\",\"2027-01-01\",0,1,1,0,0,1,365,\"O\",0\r\n");
    writeText(dir.path / "long.umd",
              "120000,6,45,\"   Semiannual\",\"      Monthly\",\"2027-01-01\",0,1,1,0,0,1,365,\"O\",0\r\n");
    ProcessRun r = report("mortgage zero-rate.umd", dir.path);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Wrong or missing entry, try again.\n");
    r = report("mortgage long.umd", dir.path);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Wrong entry, 40 Years limit.\n");
}

// The reference printouts, run exactly as their .args files say.
void expectExamplesMatch(const fs::path& folder) {
    for (const char* name : {"loan-36m-all", "mortgage-20y-annual"}) {
        SCOPED_TRACE(name);
        std::string args = readText(folder / (std::string(name) + ".args"));
        args = firstLine(args);
        ASSERT_FALSE(args.empty());
        const ProcessRun r = report(args, folder);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, readText(folder / (std::string(name) + ".expected.txt")));
    }
}

TEST(ReportExamples, SharedReferenceFolderMatchesByteForByte) {
    const fs::path folder = examplesFolder();
    if (folder.empty())
        GTEST_SKIP() << "the shared examples folder is not beside this checkout";
    expectExamplesMatch(folder);
}

TEST(ReportExamples, OwnCopiesMatchByteForByte) { expectExamplesMatch(PECUNEX_SOURCE_DIR "/tests/golden"); }

TEST(ReportCsv, OneLinePerScheduleRowAfterTheHeader) {
    ProcessRun r = report("loan loan-36m-all.uld --csv");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(lineCount(r.out), 1 + 36);
    EXPECT_EQ(r.out.rfind("payment,year,interest,principal,balance,cumulative_interest,cumulative_principal\r\n", 0),
              0u);
    // first and last payment of the reference loan printout, without thousands separators
    EXPECT_NE(r.out.find("\r\n1,1,138.75,435.74,17564.26,138.75,435.74\r\n"), std::string::npos);
    EXPECT_NE(r.out.find("\r\n36,3,4.39,570.10,0.00,2681.71,18000.00\r\n"), std::string::npos);

    r = report("mortgage mortgage-20y-annual.umd --csv");
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(lineCount(r.out), 1 + 20);
    EXPECT_EQ(firstLine(r.out), "year,interest,principal,balance,cumulative_interest,cumulative_principal\r");
    EXPECT_NE(r.out.find("\r\n20,361.39,10301.82,0.00,93264.12,120000.00\r\n"), std::string::npos);
}

TEST(ReportCsv, DatedScheduleHasADateColumn) {
    const ProcessRun r = report("mortgage '" PECUNEX_SOURCE_DIR "/samples/Sample.umd' --csv");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(firstLine(r.out), "payment,date,interest,principal,balance,cumulative_interest,cumulative_principal\r");
    EXPECT_NE(r.out.find("\r\n1,2027-02-05,"), std::string::npos);
    EXPECT_NE(r.out.find("\r\n2,2027-02-19,"), std::string::npos);
}

TEST(ReportSettings, DefaultsComeFromPersonalKpfBesideTheProgram) {
    TempDir dir;
    const fs::path program = dir.path / "pecunex-report";
    fs::copy_file(Binary, program);
    writeText(dir.path / "Personal.kpf", "\"\xC2\xA3\",3,\"Tester\"\r\n");  // pound sign, 12-point font
    const fs::path golden = PECUNEX_SOURCE_DIR "/tests/golden";
    const ProcessRun r = runIn(golden, program.string(), "loan loan-36m-all.uld --header 'Example: 36-month loan'");
    ASSERT_EQ(r.status, 0) << r.err;
    // The reference printout uses font 3 and "$": the same text with the pound sign.
    std::string expected = readText(golden / "loan-36m-all.expected.txt");
    for (std::size_t at; (at = expected.find('$')) != std::string::npos;)
        expected.replace(at, 1, "\xC2\xA3");
    EXPECT_EQ(r.out, expected);

    // Options win over the settings: 63 lines a page (font 1) need no page break for 36 rows.
    const ProcessRun plain = runIn(golden, program.string(), "loan loan-36m-all.uld --font 1 --currency '$'");
    ASSERT_EQ(plain.status, 0);
    EXPECT_EQ(plain.out.find('\f'), std::string::npos);
    EXPECT_NE(plain.out.find("  $18,000.00"), std::string::npos);
}

TEST(ReportPdf, WritesThePdfAndStillPrintsTheText) {
    TempDir dir;
    const fs::path pdf = dir.path / "loan.pdf";
    const ProcessRun r = report("loan loan-36m-all.uld --font 3 --header 'Example: 36-month loan' --pdf '" + pdf.string() + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, readText(PECUNEX_SOURCE_DIR "/tests/golden/loan-36m-all.expected.txt"));
    const std::string bytes = readText(pdf);
    ASSERT_GT(bytes.size(), 1000u);
    EXPECT_EQ(bytes.rfind("%PDF", 0), 0u);
}

} // namespace
