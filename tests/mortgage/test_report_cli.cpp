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

void writeText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// A scratch folder for the run, removed at exit.
const struct Scratch {
    fs::path path = fs::temp_directory_path() / ("pecunex-report-test-" + std::to_string(getpid()));
    Scratch() { fs::create_directories(path); }
    ~Scratch() { fs::remove_all(path); }
} scratch;

struct ProcessRun {
    int status;
    std::string out, err;
};

// Runs the program in `folder`; `arguments` are shell text, quoted by the caller.
ProcessRun report(const fs::path& folder, const std::string& arguments) {
    const fs::path out = scratch.path / "stdout.txt", err = scratch.path / "stderr.txt";
    const std::string command =
        "cd '" + folder.string() + "' && '" PECUNEX_BINARY_DIR "/pecunex-report' " + arguments;
    const int raw =
        std::system((command + " >'" + out.string() + "' 2>'" + err.string() + "'").c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readText(out), readText(err)};
}

TEST(ReportCommandLine, HelpSucceedsAndFailuresExitWithTheirMessage) {
    const ProcessRun help = report(Golden, "--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("pecunex-report mortgage FILE.umd"), std::string::npos);
    EXPECT_NE(help.out.find("cumulative_principal"),
              std::string::npos); // the CSV columns are documented

    const fs::path& dir = scratch.path;
    fs::copy_file(Golden / "loan-36m-all.uld", dir / "loan.uld",
                  fs::copy_options::overwrite_existing);
    const std::string rest =
        ",\"   Semiannual\",\"      Monthly\",\"2027-01-01\",0,1,1,0,0,1,365,\"O\",0\r\n";
    writeText(dir / "short.umd", "120000,6.5,20,\"   Semiannual\"\r\n");
    writeText(dir / "garbled.uld", "\"x\",\"y\"\r\n");
    writeText(dir / "zero-rate.umd", "120000,0,20" + rest);
    writeText(dir / "baddate.umd",
              "1,6,20,\"   Semiannual\",\"      Monthly\",\"soon\",0,1,1,0,0,1,365,\"O\",0\r\n");
    const std::string usage = "usage: pecunex-report",
                      fileMessage =
                          "File not found or wrong format. Check Filename and/or Directory.\n";
    const struct {
        const char* args;
        int status;
        std::string err;
    } cases[] = {
        // exit 1: all of stderr
        {"", 2, usage},
        {"mortgage", 2, usage},
        {"spreadsheet x.umd", 2, usage},
        {"networth", 2, usage},
        {"loan loan.uld --font 4", 2, usage},
        {"loan loan.uld --font x", 2, usage},
        {"loan loan.uld --font", 2, usage},
        {"loan loan.uld --colour red", 2, usage},
        {"loan loan.uld x.uld", 2, usage}, // two files
        {"mortgage missing.umd", 1, fileMessage},
        {"mortgage short.umd", 1, fileMessage},
        {"loan garbled.uld", 1, fileMessage},
        {"mortgage baddate.umd", 1, fileMessage}, // a date that is none
        {"mortgage zero-rate.umd", 1, "Wrong or missing entry, try again.\n"},
    };
    for (const auto& c : cases) {
        const ProcessRun r = report(dir, c.args);
        EXPECT_EQ(r.status, c.status) << c.args;
        EXPECT_EQ(r.out, "") << c.args;
        // A file's failure names the file: "pecunex-report: FILE: message".
        const std::string args = c.args, file = args.substr(args.find(' ') + 1);
        EXPECT_TRUE(c.status == 1 ? r.err == "pecunex-report: " + file + ": " + c.err
                                  : r.err.find(c.err) != std::string::npos)
            << c.args << ": " << r.err;
    }
}

// The reference printouts, run exactly as their .args files say; the loan also as PDF, which
// leaves the text on standard output as it was.
TEST(ReportCommandLine, ReferenceExamplesMatchByteForByteAndPdfIsWrittenBeside) {
    const fs::path pdf = scratch.path / "loan.pdf";
    for (const std::string name : {"loan-36m-all", "mortgage-20y-annual"}) {
        const std::string args = readText(Golden / (name + ".args"));
        ASSERT_FALSE(args.empty()) << name;
        const std::string pdfArg = name[0] == 'l' ? " --pdf '" + pdf.string() + "' --text" : "";
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
    EXPECT_EQ(
        r.out.rfind(
            "payment,year,interest,principal,balance,cumulative_interest,cumulative_principal\r\n"
            "1,1,138.75,435.74,17564.26,138.75,435.74\r\n",
            0),
        0u);
    EXPECT_NE(r.out.find("\r\n36,3,4.39,570.10,0.00,2681.71,18000.00\r\n"), std::string::npos);
    r = report(Golden, "mortgage mortgage-20y-annual.umd --csv");
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1 + 20);
    EXPECT_EQ(
        r.out.rfind("year,interest,principal,balance,cumulative_interest,cumulative_principal\r\n",
                    0),
        0u);
    EXPECT_NE(r.out.find("\r\n20,361.39,10301.82,0.00,93264.12,120000.00\r\n"), std::string::npos);
}

// --currency takes what Personalize would let a user type: 0 to 2 characters, no control
// characters; anything else is a usage error naming the option, with nothing on stdout.
TEST(ReportCommandLine, CurrencyOptionTakesWhatAUserCouldType) {
    const std::string file = "loan loan-36m-all.uld --currency ";
    for (const char* refused :
         {"EUR", "'$$$'", "\"$(printf '\\t')\"", "\"$(printf '$\\001')\"",
          "\"$(printf '\\342\\202\\254\\342\\202\\254\\342\\202\\254')\"", // three euro signs
          "\"$(printf '\\377')\"", "\"$(printf '\\357\\273\\277')\""}) {   // not UTF-8; a BOM
        const ProcessRun r = report(Golden, file + refused);
        EXPECT_EQ(r.status, 2) << refused;
        EXPECT_EQ(r.out, "") << refused;
        EXPECT_NE(r.err.find("--currency"), std::string::npos) << refused << ": " << r.err;
        EXPECT_NE(r.err.find("usage: pecunex-report"), std::string::npos) << refused;
    }
    // The euro sign takes the dollar's place in every column, the columns as they were.
    const ProcessRun dollar = report(Golden, file + "'$'"),
                     euro = report(Golden, file + "'\u20ac'");
    ASSERT_EQ(euro.status, 0) << euro.err;
    std::string back = euro.out;
    for (std::size_t at = back.find("\u20ac"); at != std::string::npos;
         at = back.find("\u20ac", at))
        back.replace(at, 3, "$");
    EXPECT_NE(euro.out, dollar.out);
    EXPECT_EQ(back, dollar.out);
    // Two characters and no symbol at all are fine.
    EXPECT_EQ(report(Golden, file + "'R$'").status, 0);
    const ProcessRun none = report(Golden, file + "''");
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(none.out.find('$'), std::string::npos);
}

// "1" is an ordinary header for the batch report (only the dialog's Cancel means no printout).
TEST(ReportCommandLine, HeaderOnePrintsTheHeaderOne) {
    const ProcessRun one = report(Golden, "loan loan-36m-all.uld --header 1"),
                     tilde = report(Golden, "loan loan-36m-all.uld --header '~'");
    ASSERT_EQ(one.status, 0) << one.err;
    ASSERT_NE(tilde.out.find('~'), std::string::npos);
    std::string expected = tilde.out;
    expected[expected.find('~')] = '1';
    EXPECT_EQ(one.out, expected);
}

// A file holding what no worksheet could produce is refused like a damaged one: message 13,
// exit 1, no schedule.
TEST(ReportCommandLine, FilesOutsideTheWorksheetsRangesAreRefused) {
    const fs::path& dir = scratch.path;
    const std::string fileMessage =
        "File not found or wrong format. Check Filename and/or Directory.\n";
    const struct {
        const char* name;
        std::string text;
    } files[] = {
        {"negative-term.umd", "120000,6.5,-1,\"   Semiannual\",\" "
                              "Biweekly(Acc)\",\"2027-01-01\",0,1,2,0,0,1,365,\"O\",0\r\n"},
        {"negative-extra.umd", "120000,6.5,20,\"   Semiannual\",\"      "
                               "Monthly\",\"2027-01-01\",0,1,2,1,1,1,365,\"O\",0\r\n"
                               "1,-5000\r\n"},
        {"days-nine.umd", "120000,6.5,20,\"   Semiannual\",\"      "
                          "Monthly\",\"2027-01-01\",0,9,2,0,0,1,365,\"O\",0\r\n"},
    };
    for (const auto& f : files) {
        writeText(dir / f.name, f.text);
        const ProcessRun r = report(dir, std::string("mortgage ") + f.name);
        EXPECT_EQ(r.status, 1) << f.name;
        EXPECT_EQ(r.out, "") << f.name;
        EXPECT_EQ(r.err, "pecunex-report: " + std::string(f.name) + ": " + fileMessage) << f.name;
    }
}

// Output that cannot be written is an error with a message, and a PDF that cannot be
// finished leaves no file behind.
TEST(ReportCommandLine, UnwritableOutputExitsOneWithAMessage) {
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    // Standard output itself on the full device.
    const fs::path err = scratch.path / "full-stderr.txt";
    const int raw = std::system(("cd '" + Golden.string() +
                                 "' && '" PECUNEX_BINARY_DIR
                                 "/pecunex-report' loan loan-36m-all.uld --csv >/dev/full 2>'" +
                                 err.string() + "'")
                                    .c_str());
    EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 1);
    EXPECT_EQ(readText(err), "pecunex-report: cannot write standard output\n");
    ProcessRun r = report(Golden, "loan loan-36m-all.uld --pdf /dev/full");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("pecunex-report: cannot write /dev/full"), std::string::npos) << r.err;
    r = report(Golden, "loan loan-36m-all.uld --pdf '" +
                           (scratch.path / "no/such/folder/x.pdf").string() + "'");
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(fs::exists(scratch.path / "no"));
}

} // namespace
