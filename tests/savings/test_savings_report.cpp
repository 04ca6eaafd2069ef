// The savings printout and CSV: golden printouts (reviewed by eye; PECUNEX_UPDATE_GOLDEN=1
// rewrites them), the reference printout, and the page-break rules checked by counting.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "Growth.h"
#include "SavingsReport.h"
#include "TextPrinter.h"

namespace {

const std::string GoldenDir = PECUNEX_SOURCE_DIR "/tests/golden/";

std::string readText(const std::string& path) {
    std::ostringstream s;
    s << std::ifstream(path, std::ios::binary).rdbuf();
    return s.str();
}

GrowthInput plan(double lump, double contribution, const char* frequency, double rate,
                 double increase, double inflation, int years) {
    GrowthInput in;
    in.lump = *Currency::fromDouble(lump);
    in.contribution = *Currency::fromDouble(contribution);
    in.frequency = frequency;
    in.ratePercent = *Currency::fromDouble(rate);
    in.increasePercent = *Currency::fromDouble(increase);
    in.inflationPercent = *Currency::fromDouble(inflation);
    in.years = years;
    return in;
}

std::string render(const GrowthInput& in, int font, const std::string& header,
                   const std::string& symbol = "$") {
    const Result<Growth> g = calculateGrowth(in);
    if (!g.ok())
        return "calculation failed: " + g.failure().what;
    SavingsReportInput report;
    report.input = &in;
    report.table = g->rows;
    report.periods = g->periods;
    report.header = header;
    report.currencySymbol = symbol;
    report.fontChoice = font;
    TextPrinter printer;
    printSavingsDocument(printer, report);
    return printer.text();
}

int count(const std::string& text, const std::string& what) {
    int n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

TEST(SavingsReport, MatchesTheGoldenPrintouts) {
    const struct {
        GrowthInput in;
        int font;
        const char *header, *symbol, *golden;
    } cases[] = {
        // the worksheet's defaults: 25 rows fit on the first page
        {plan(0, 1200, "Annually", 20, 0, 0, 25), 0, "Defaults", "$", "savings-annual-font0.txt"},
        // 27 rows reach 51 lines after the last row: the break comes before the total
        {plan(5000, 1000, "Annually", 8, 3, 2, 27), 3, "", "$", "savings-annual27-font3.txt"},
        // 40 quarters, 10-point font: one break after 39 rows
        {plan(2500, 250, "Quarterly", 6.5, 0, -1.5, 10), 1, "Quarterly plan", "EU",
         "savings-quarterly-font1.txt"},
        // 300 months under two fonts: many pages, the heading repeated on each
        {plan(0, 100, "Monthly", 12, 5, 0, 25), 2, "Monthly, 11 point", "$",
         "savings-monthly-font2.txt"},
        {plan(0, 100, "Monthly", 12, 5, 0, 25), 3, "Monthly, 12 point", "$",
         "savings-monthly-font3.txt"},
        // no years: no period rows, the total read from row 2
        {plan(1000, 200, "Annually", 10, 0, 0, 0), 0, "No years", "$", "savings-zero-years.txt"},
    };
    for (const auto& c : cases) {
        const std::string text = render(c.in, c.font, c.header, c.symbol);
        if (std::getenv("PECUNEX_UPDATE_GOLDEN"))
            std::ofstream(GoldenDir + c.golden, std::ios::binary) << text;
        EXPECT_EQ(text, readText(GoldenDir + c.golden)) << c.golden;
    }
}

TEST(SavingsReport, ReferencePrintoutQuarterlyWithIncreaseAndInflation) {
    const GrowthInput in = plan(4000, 600, "Quarterly", 7, 2, 2.5, 12);
    EXPECT_EQ(render(in, 3, "Example: quarterly savings with increase and inflation"),
              readText(GoldenDir + "savings-quarterly-12y.expected.txt"));
}

TEST(SavingsReport, PagesBreakAfterTheFirstRowsThenEveryPageLengthLessSix) {
    // 300 monthly rows. Page 1 holds LinesPerPage - 24 rows, each later page LinesPerPage - 6.
    const struct { int font, lines; } fonts[] = {{0, 53}, {1, 63}, {2, 56}, {3, 51}};
    for (const auto& f : fonts) {
        const std::string text = render(plan(0, 100, "Monthly", 12, 0, 0, 25), f.font, "h");
        // A page filled by its last row still breaks before the total.
        int rows = 300 - (f.lines - 24), breaks = 1;
        while (rows >= f.lines - 6)
            rows -= f.lines - 6, ++breaks;
        EXPECT_EQ(count(text, "\f"), breaks) << "font " << f.font;
        EXPECT_EQ(count(text, "                                       Page "), breaks);
        EXPECT_EQ(count(text, "  Monthly          Investment"), breaks + 1);
        // the first page ends after row LinesPerPage - 24
        const std::string lastOfPage1 = "\n  " + std::to_string(f.lines - 24) + "   ";
        const auto at = text.find(lastOfPage1);
        ASSERT_NE(at, std::string::npos);
        EXPECT_EQ(text.find("\f"), text.find("Page 1", at) + 7) << "font " << f.font;
    }
}

TEST(SavingsReport, CsvHasAHeaderAndOneLinePerPeriod) {
    const Result<Growth> g = calculateGrowth(plan(30000, 0, "Annually", 0, 0, 5, 25));
    ASSERT_TRUE(g.ok());
    const std::string csv = savingsCsv(g->rows, g->periods);
    EXPECT_EQ(count(csv, "\r\n"), 26);
    // hand: 30,000 * 0.95 = 28,500; 30,000 * 0.95^25 = 8,321.69
    EXPECT_EQ(csv.rfind("period,invested,interest,value\r\n1,30000.00,0.00,28500.00\r\n", 0), 0u);
    EXPECT_NE(csv.find("\r\n25,0.00,0.00,8321.69\r\n"), std::string::npos);
    EXPECT_EQ(csv.find("Total"), std::string::npos);

    const Result<Growth> none = calculateGrowth(plan(1000, 0, "Annually", 5, 0, 0, 0));
    EXPECT_EQ(savingsCsv(none->rows, none->periods), "period,invested,interest,value\r\n");
    // A tiny negative figure is written without a sign; halves of a cent round away from zero.
    GrowthTableArray table{};
    table[1] = {Currency{},
                Currency::fromWhole(1),
                Currency::fromRaw(-49),
                Currency::fromRaw(125),
                Currency::fromRaw(-12345),
                Currency{}};
    EXPECT_EQ(savingsCsv(table, 1), "period,invested,interest,value\r\n1,0.00,0.01,-1.23\r\n");
}

} // namespace
