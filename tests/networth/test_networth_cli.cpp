// pecunex-report networth run as a process.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

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

const struct Scratch {
    fs::path path =
        fs::temp_directory_path() / ("pecunex-networth-cli-" + std::to_string(getpid()));
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

TEST(NetWorthReportCommand, ReferenceExampleAsItsArgsSayAlsoAsPdf) {
    const std::string args = readText(Golden / "networth-household.args");
    const fs::path pdf = scratch.path / "statement.pdf";
    const ProcessRun r =
        report(Golden, args.substr(0, args.find('\n')) + " --pdf '" + pdf.string() + "' --text");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, readText(Golden / "networth-household.expected.txt"));
    EXPECT_EQ(readText(pdf).rfind("%PDF", 0), 0u);

    const ProcessRun csv = report(Golden, "networth networth-household.NWV --csv");
    EXPECT_EQ(csv.status, 0);
    EXPECT_EQ(csv.out.substr(0, csv.out.find("asset,4")),
              "side,line,name,amount\r\nasset,1,House,325000.00\r\nasset,2,Cottage,140000.00\r\n"
              "asset,3,Sub Total,465000.00\r\n");
    EXPECT_NE(csv.out.find("\r\nliability,2,Car loan,9300.40\r\n"), std::string::npos);
}

TEST(NetWorthReportCommand, UnreadableFilesAndFailedCalculationsExitOneWithNothingPrinted) {
    std::ofstream(scratch.path / "ten.NWV", std::ios::binary) << "1,0\r\n\"House\",1,,\r\n"
                                                              << std::string(",,,\r\n") + ",,,\r\n";
    std::string huge = "1,0\r\n\"House\",1e300,,\r\n";
    for (int i = 2; i <= 31; ++i)
        huge += ",,,\r\n";
    std::ofstream(scratch.path / "huge.NWV", std::ios::binary) << huge;
    const struct {
        const char* args;
        const char* message;
    } cases[] = {
        {"networth missing.NWV",
         "File not found or wrong format. Check Filename and/or Directory."},
        {"networth ten.NWV", "File not found or wrong format. Check Filename and/or Directory."},
        {"networth huge.NWV --csv", "Cannot calculate."},
    };
    for (const auto& c : cases) {
        const ProcessRun r = report(scratch.path, c.args);
        EXPECT_EQ(r.status, 1) << c.args;
        EXPECT_EQ(r.out, "") << c.args;
        EXPECT_EQ(r.err.rfind("pecunex-report: ", 0), 0u) << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << c.args << ": " << r.err;
    }
    EXPECT_EQ(report(scratch.path, "networth").status, 2); // no file named
}

} // namespace
