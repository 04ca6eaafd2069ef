// Printouts on paper: every reference printout as a PDF, at every font choice, on Letter and
// on A4, through the printout font's own writer and through Qt's (the one a system without
// the printout font's file falls back on). Each page of the printout text is one sheet, no
// sheet holds only a footer, qpdf finds the file sound and a PDF reader reads the printout's
// own text back. Then what the output options leave on stdout.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <regex>
#include <string>
#include <tuple>
#include <vector>

#include "ReportProcess.h"

namespace {

using namespace report_process;

const fs::path Golden = PECUNEX_SOURCE_DIR "/tests/golden";

// A shell command's status and standard output.
std::pair<int, std::string> capture(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[8192];
    for (std::size_t n; pipe && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    const int raw = pipe ? pclose(pipe) : -1;
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, out};
}

bool installed(const char* program) {
    return capture(std::string("command -v ") + program + " >/dev/null").first == 0;
}

// A field of the PDF's information as pdfinfo gives it: "Pages", "Page size", "Producer".
std::string infoField(const fs::path& pdf, const std::string& name) {
    const std::string info = capture("pdfinfo '" + pdf.string() + "'").second;
    std::smatch match;
    return std::regex_search(info, match, std::regex(name + ": *([^\n]*)")) ? match[1].str() : "";
}

using Page = std::vector<std::string>;

// Each page's lines that are not empty, without trailing blanks or the indentation all of
// them share (the reader spaces lines by their height and counts columns from the leftmost
// text).
std::vector<Page> pagesOf(const std::string& text) {
    std::vector<Page> pages;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\f', start), text.size());
        Page page;
        std::size_t indent = std::string::npos;
        for (std::size_t at = start; at < end;) {
            const std::size_t stop = std::min(text.find('\n', at), end);
            std::string line = text.substr(at, stop - at);
            line.erase(line.find_last_not_of(' ') + 1);
            if (!line.empty()) {
                indent = std::min(indent, line.find_first_not_of(' '));
                page.push_back(line);
            }
            at = stop + 1;
        }
        for (std::string& line : page)
            line.erase(0, indent);
        if (!page.empty())
            pages.push_back(page);
        start = end + 1;
    }
    return pages;
}

// What a PDF reader's word boxes tell: the width of a character cell (the box of the longest
// word by its characters: every glyph stands on a cell of its own), and how far the text
// reaches into the quarter-inch margin on the right and at the bottom of any sheet.
struct Layout {
    double cell = 0;
    double intoRightMargin = -1;
    double intoBottomMargin = -1;
};
Layout layoutOf(const fs::path& pdf) {
    const std::string boxes = capture("pdftotext -bbox '" + pdf.string() + "' -").second;
    const std::regex box(R"re(<page width="([0-9.]+)" height="([0-9.]+)"|)re"
                         R"re(<word xMin="([0-9.]+)" yMin="[0-9.]+" xMax="([0-9.]+)" )re"
                         R"re(yMax="([0-9.]+)">([^<&]+)</word>)re");
    Layout layout;
    double width = 0, height = 0;
    std::size_t longest = 0;
    for (auto it = std::sregex_iterator(boxes.begin(), boxes.end(), box);
         it != std::sregex_iterator(); ++it) {
        const std::smatch& m = *it;
        if (m[1].matched) {
            width = std::stod(m[1]);
            height = std::stod(m[2]);
            continue;
        }
        const double left = std::stod(m[3]), right = std::stod(m[4]), bottom = std::stod(m[5]);
        if (const std::size_t chars = m[6].length(); chars > longest) {
            longest = chars;
            layout.cell = (right - left) / double(chars);
        }
        layout.intoRightMargin = std::max(layout.intoRightMargin, right - (width - 18));
        layout.intoBottomMargin = std::max(layout.intoBottomMargin, bottom - (height - 18));
    }
    return layout;
}

using Sheets = std::tuple<std::string, int, std::string, bool>; // printout, font, paper, Qt

class PrintoutSheets : public ::testing::TestWithParam<Sheets> {};

TEST_P(PrintoutSheets, EachPageOnOneSheetReadingAsTheText) {
    for (const char* tool : {"pdfinfo", "pdftotext", "qpdf"})
        if (!installed(tool))
            GTEST_SKIP() << tool << " is not installed";
    const auto& [name, font, paper, qt] = GetParam();
    const Scratch scratch("pecunex-sheets");
    const fs::path pdf = scratch.path / "printout.pdf";
    std::string args = readText(Golden / (name + ".args"));
    args = std::regex_replace(args.substr(0, args.find('\n')), std::regex("--font [0-3]"),
                              "--font " + std::to_string(font));
    // The option beats PAPERSIZE; without the printout font's file the PDF is Qt's.
    const std::string environment = std::string("PAPERSIZE=") + (paper == "a4" ? "letter" : "a4") +
                                    (qt ? " XDG_DATA_HOME=/none XDG_DATA_DIRS=/none " : " ");
    const auto [status, text] =
        capture("cd '" + Golden.string() + "' && " + environment + "'" + ReportProgram.string() +
                "' " + args + " --paper " + paper + " --pdf '" + pdf.string() + "' --text");
    ASSERT_EQ(status, 0);

    EXPECT_EQ(infoField(pdf, "Pages"),
              std::to_string(std::count(text.begin(), text.end(), '\f') + 1));
    EXPECT_NE(infoField(pdf, "Page size").find(paper == "a4" ? "(A4)" : "(letter)"),
              std::string::npos);
    EXPECT_EQ(infoField(pdf, "Producer").substr(0, 2), qt ? "Qt" : "Pe");
    EXPECT_EQ(capture("qpdf --check '" + pdf.string() + "' >/dev/null 2>&1").first, 0);

    const Layout layout = layoutOf(pdf);
    EXPECT_LE(layout.intoRightMargin, 0.01);
    EXPECT_LE(layout.intoBottomMargin, 0.5);
    // The reader is given a hair less than the cell, so that its rounding never puts a word a
    // column short.
    const std::vector<Page> read =
        pagesOf(capture("pdftotext -layout -fixed " + std::to_string(layout.cell * 0.999) + " '" +
                        pdf.string() + "' -")
                    .second);
    for (const Page& sheet : read)
        EXPECT_FALSE(sheet.size() == 1 && sheet[0].rfind("Page ", 0) == 0) << "a footer alone";
    EXPECT_EQ(read, pagesOf(text));
}

INSTANTIATE_TEST_SUITE_P(
    ReferencePrintouts, PrintoutSheets,
    ::testing::Combine(::testing::Values("budget-household", "loan-36m-all", "mortgage-20y-annual",
                                         "networth-household", "savings-quarterly-12y"),
                       ::testing::Range(0, 4), ::testing::Values("letter", "a4"),
                       ::testing::Bool()),
    [](const ::testing::TestParamInfo<Sheets>& info) {
        std::string name = std::get<0>(info.param) + "_font" +
                           std::to_string(std::get<1>(info.param)) + "_" + std::get<2>(info.param) +
                           (std::get<3>(info.param) ? "_qt" : "");
        std::replace(name.begin(), name.end(), '-', '_');
        return name;
    });

// With a file to write, stdout stays empty unless --text (or --csv) asks for it; without
// --paper the PDF is on PAPERSIZE's paper. Two outputs in one file, a paper we do not know and
// both --text and --csv are usage errors.
TEST(ReportOutputFiles, StdoutOnlyWhenAskedAndOneFileEach) {
    const Scratch scratch("pecunex-output-files");
    const std::string plan = "mortgage '" + (Golden / "mortgage-20y-annual.umd").string() + "'";
    const std::string printout = run(scratch.path, plan).out;
    ASSERT_NE(printout, "");
    const struct {
        std::string environment, args;
        int status;
        bool printed;
        const char* paper; // of out.pdf, when one is written
    } rows[] = {
        {"PAPERSIZE=a4", "--pdf out.pdf", 0, false, "(A4)"},
        {"PAPERSIZE=letter", "--pdf out.pdf --text", 0, true, "(letter)"},
        {"", "--graph out.png", 0, false, nullptr},
        {"", "--graph out.png --text", 0, true, nullptr},
        {"", "--graph same.png --pdf ./same.png", 2, false, nullptr},
        {"", "--pdf out.pdf --paper a5", 2, false, nullptr},
        {"", "--csv --text", 2, false, nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.environment + " " + row.args);
        fs::remove(scratch.path / "out.pdf");
        const ProcessRun r =
            run(scratch.path,
                row.environment + " '" + ReportProgram.string() + "' " + plan + " " + row.args,
                "/usr/bin/env");
        EXPECT_EQ(r.status, row.status) << r.err;
        EXPECT_EQ(r.out, row.printed ? printout : "");
        if (row.paper) {
            EXPECT_NE(infoField(scratch.path / "out.pdf", "Page size").find(row.paper),
                      std::string::npos);
        }
        EXPECT_FALSE(fs::exists(scratch.path / "same.png"));
    }
}

} // namespace
