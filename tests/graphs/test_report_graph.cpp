// pecunex-report drawing the bar graph to a picture file beside its printout.
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
    fs::path path = fs::temp_directory_path() / ("pecunex-graph-test-" + std::to_string(getpid()));
    Scratch() { fs::create_directories(path); }
    ~Scratch() { fs::remove_all(path); }
} scratch;

struct ProcessRun {
    int status;
    std::string out, err;
};

ProcessRun report(const std::string& arguments) {
    const fs::path out = scratch.path / "stdout.txt", err = scratch.path / "stderr.txt";
    const std::string command = "cd '" + scratch.path.string() +
                                "' && '" PECUNEX_BINARY_DIR "/pecunex-report' " + arguments +
                                " >'" + out.string() + "' 2>'" + err.string() + "'";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readText(out), readText(err)};
}

// Width and height from a PNG's header chunk; {0, 0} when it is no PNG.
std::pair<unsigned, unsigned> pngSize(const std::string& bytes) {
    if (bytes.size() < 24 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0 ||
        bytes.compare(12, 4, "IHDR") != 0)
        return {0, 0};
    auto word = [&](std::size_t at) {
        unsigned v = 0;
        for (std::size_t i = 0; i < 4; ++i)
            v = v << 8 | static_cast<unsigned char>(bytes[at + i]);
        return v;
    };
    return {word(16), word(20)};
}

} // namespace

TEST(ReportGraph, WritesPngAndSvgBesideTheUnchangedPrintout) {
    const std::string file = "'" + (Golden / "mortgage-20y-annual.umd").string() + "'";
    const ProcessRun plain = report("mortgage " + file);
    ASSERT_EQ(plain.status, 0) << plain.err;

    const ProcessRun png = report("mortgage " + file + " --graph balance.png --text");
    EXPECT_EQ(png.status, 0) << png.err;
    EXPECT_EQ(png.out, plain.out);
    EXPECT_EQ(pngSize(readText(scratch.path / "balance.png")), (std::pair{1200u, 800u}));

    const ProcessRun svg =
        report("--3d --size=640x480 mortgage " + file + " --graph balance.svg --pdf both.pdf");
    EXPECT_EQ(svg.status, 0) << svg.err;
    const std::string text = readText(scratch.path / "balance.svg");
    EXPECT_NE(text.find("<svg"), std::string::npos);
    EXPECT_NE(text.find("viewBox=\"0 0 640 480\""), std::string::npos) << text.substr(0, 400);
    EXPECT_NE(text.find("Mortgage balance at start of each Year"), std::string::npos);
    EXPECT_EQ(readText(scratch.path / "both.pdf").rfind("%PDF", 0), 0u);
}

TEST(ReportGraph, RefusesPicturesItCannotDraw) {
    const std::string file = "'" + (Golden / "mortgage-20y-annual.umd").string() + "'";
    const struct {
        std::string args;
        int status;
        std::string err;
    } cases[] = {
        {"mortgage " + file + " --graph out.jpg", 2,
         "pecunex-report: --graph takes a file name ending in .png or .svg"},
        {"mortgage " + file + " --3d", 2, "pecunex-report: --3d and --size need --graph"},
        {"mortgage " + file + " --graph nowhere/out.png", 1,
         "pecunex-report: cannot write nowhere/out.png"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const ProcessRun run = report(c.args);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.err.substr(0, run.err.find('\n')), c.err);
        EXPECT_FALSE(fs::exists(scratch.path / "out.jpg"));
    }
}
