// Printouts on paper: every reference printout as a PDF, at every font choice, on Letter and
// on A4, through the printout font's own writer and through Qt's (the one a system without
// the printout font's file falls back on). Each page of the printout text is one sheet, no
// sheet holds only a footer, no line runs into the right margin, qpdf finds the file sound
// and a PDF reader reads the printout's own text back. Then what the output options leave on
// stdout.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <regex>
#include <sstream>
#include <tuple>

#include "ReportProcess.h"

namespace {

using namespace report_process;

const fs::path Golden = PECUNEX_SOURCE_DIR "/tests/golden";

// A shell command's standard output.
std::string shell(const std::string& command, int* status = nullptr) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[8192];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    const int raw = pclose(pipe);
    if (status)
        *status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return out;
}

// Each page's lines that are not empty, without trailing blanks or the indentation all of
// them share (the reader spaces lines by their height and counts columns from the leftmost
// text).
std::vector<std::vector<std::string>> pagesOf(const std::string& text) {
    std::vector<std::vector<std::string>> pages(1);
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind('\f', 0) == 0)
            pages.emplace_back();
        line.erase(0, line.rfind('\f', 0) == 0 ? 1 : 0);
        line.erase(line.find_last_not_of(' ') + 1);
        if (!line.empty())
            pages.back().push_back(line);
    }
    std::erase_if(pages, [](const auto& page) { return page.empty(); });
    for (auto& page : pages) {
        std::size_t indent = std::string::npos;
        for (const std::string& line : page)
            indent = std::min(indent, line.find_first_not_of(' '));
        for (std::string& line : page)
            line.erase(0, indent);
    }
    return pages;
}

class PrintoutSheets
    : public ::testing::TestWithParam<std::tuple<std::string, int, std::string, bool>> {};

TEST_P(PrintoutSheets, EachPageOnOneSheetReadingAsTheText) {
    const auto& [name, font, paper, qt] = GetParam();
    const Scratch scratch("pecunex-sheets");
    const std::string pdf = (scratch.path / "printout.pdf").string();
    std::string args = readText(Golden / (name + ".args"));
    args = std::regex_replace(args.substr(0, args.find('\n')), std::regex("--font [0-3]"),
                              "--font " + std::to_string(font));
    // The option beats PAPERSIZE; without the printout font's file the PDF is Qt's.
    int status = -1;
    const std::string text = shell(
        "cd '" + Golden.string() + "' && PAPERSIZE=" + (paper == "a4" ? "letter " : "a4 ") +
            (qt ? "XDG_DATA_HOME=/none XDG_DATA_DIRS=/none '" : "'") + ReportProgram.string() +
            "' " + args + " --paper " + paper + " --pdf '" + pdf + "' --text",
        &status);
    ASSERT_EQ(status, 0);

    const std::string info = shell("pdfinfo '" + pdf + "'");
    const auto sheets = std::to_string(std::count(text.begin(), text.end(), '\f') + 1);
    EXPECT_TRUE(
        std::regex_search(info, std::regex(std::string("Producer: +") + (qt ? "Qt" : "Pecunex") +
                                           "[\\s\\S]*\nPages: +" + sheets + "\n[\\s\\S]*\\(" +
                                           (paper == "a4" ? "A4" : "letter") + "\\)")))
        << info;
    shell("qpdf --check '" + pdf + "' >/dev/null 2>&1", &status);
    EXPECT_EQ(status, 0);

    // The reader's word boxes give the cell (the longest word's width by its characters: each
    // glyph stands on a cell of its own) and how far the text reaches to the right.
    const std::string boxes = shell("pdftotext -bbox '" + pdf + "' -");
    const std::regex box(R"re(<page width="([0-9.]+)"|<word xMin="([0-9.]+)" yMin="[0-9.]+" )re"
                         R"re(xMax="([0-9.]+)"[^>]*>([^<&]+)<)re");
    double width = 0, cell = 0, intoRightMargin = -1;
    std::size_t longest = 0;
    for (auto it = std::sregex_iterator(boxes.begin(), boxes.end(), box);
         it != std::sregex_iterator(); ++it) {
        const std::smatch& m = *it;
        if (m[1].matched) {
            width = std::stod(m[1]);
        } else {
            if (const std::size_t chars = std::size_t(m[4].length()); chars > longest) {
                longest = chars;
                cell = (std::stod(m[3]) - std::stod(m[2])) / double(chars);
            }
            intoRightMargin = std::max(intoRightMargin, std::stod(m[3]) - (width - 18));
        }
    }
    EXPECT_LE(intoRightMargin, 0.01);
    // The reader is told a hair less than the cell, so that its rounding never puts a word a
    // column short.
    const auto read = pagesOf(
        shell("pdftotext -layout -fixed " + std::to_string(cell * 0.999) + " '" + pdf + "' -"));
    for (const auto& sheet : read)
        EXPECT_FALSE(sheet.size() == 1 && sheet[0].rfind("Page ", 0) == 0) << "a footer alone";
    EXPECT_EQ(read, pagesOf(text));
}

INSTANTIATE_TEST_SUITE_P(
    ReferencePrintouts, PrintoutSheets,
    ::testing::Combine(::testing::Values("budget-household", "loan-36m-all", "mortgage-20y-annual",
                                         "networth-household", "savings-quarterly-12y"),
                       ::testing::Range(0, 4), ::testing::Values("letter", "a4"),
                       ::testing::Bool()));

// With a file to write, stdout stays empty unless --text asks for it; without --paper the PDF
// is on PAPERSIZE's paper. Two outputs in one file, a paper we do not know and both --text and
// --csv are usage errors.
TEST(ReportOutputFiles, StdoutOnlyWhenAskedAndOneFileEach) {
    const Scratch scratch("pecunex-output-files");
    const std::string plan = "mortgage '" + (Golden / "mortgage-20y-annual.umd").string() + "' ";
    const std::string printout = run(scratch.path, plan).out;
    const std::string report = "'" + ReportProgram.string() + "' " + plan;
    const struct {
        std::string args;
        int status;
        bool printed;
        std::string paper; // of out.pdf, when one is written
    } rows[] = {
        {"PAPERSIZE=a4 " + report + "--pdf out.pdf", 0, false, "A4"},
        {"PAPERSIZE=letter " + report + "--pdf out.pdf --text", 0, true, "letter"},
        {report + "--graph out.png", 0, false, ""},
        {report + "--graph out.png --text", 0, true, ""},
        {report + "--graph x.png --pdf ./x.png", 2, false, ""},
        {report + "--pdf out.pdf --paper a5", 2, false, ""},
        {report + "--csv --text", 2, false, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.args);
        fs::remove(scratch.path / "out.pdf");
        const ProcessRun r = run(scratch.path, row.args, "/usr/bin/env");
        EXPECT_EQ(r.status, row.status) << r.err;
        EXPECT_EQ(r.out, row.printed ? printout : "");
        if (!row.paper.empty()) {
            EXPECT_NE(shell("pdfinfo '" + (scratch.path / "out.pdf").string() + "'")
                          .find("(" + row.paper + ")"),
                      std::string::npos);
        }
        EXPECT_FALSE(fs::exists(scratch.path / "x.png"));
    }
}

} // namespace
