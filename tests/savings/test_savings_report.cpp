// The savings printout and CSV, and what the worksheet shows (field texts, the grid's total
// row, the quick help): golden texts (reviewed by eye; PECUNEX_UPDATE_GOLDEN=1 rewrites them)
// and the reference printout.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "Growth.h"
#include "SavingsReport.h"
#include "SavingsTexts.h"
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
    const auto c = [](double v) { return *Currency::fromDouble(v); };
    return {c(lump), c(contribution), c(rate), c(increase), c(inflation), years, frequency};
}

void expectGolden(const std::string& text, const std::string& name) {
    if (std::getenv("PECUNEX_UPDATE_GOLDEN"))
        std::ofstream(GoldenDir + name, std::ios::binary) << text;
    EXPECT_EQ(text, readText(GoldenDir + name)) << name;
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
    for (const auto& c : cases)
        expectGolden(render(c.in, c.font, c.header, c.symbol), c.golden);
    EXPECT_EQ(render(plan(4000, 600, "Quarterly", 7, 2, 2.5, 12), 3,
                     "Example: quarterly savings with increase and inflation"),
              readText(GoldenDir + "savings-quarterly-12y.expected.txt"));
}

TEST(SavingsReport, CsvHasAHeaderAndOneLinePerPeriod) {
    const Result<Growth> g = calculateGrowth(plan(30000, 0, "Annually", 0, 0, 5, 25));
    const std::string csv = savingsCsv(g->rows, g->periods);
    // hand: 30,000 * 0.95 = 28,500; 30,000 * 0.95^25 = 8,321.69; no total line
    EXPECT_TRUE(csv.starts_with("period,invested,interest,value\r\n1,30000.00,0.00,28500.00\r\n"));
    EXPECT_TRUE(csv.ends_with("\r\n25,0.00,0.00,8321.69\r\n")) << csv;
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

Currency c(double v) {
    return *Currency::fromDouble(v);
}

TEST(SavingsTexts, FieldsShowTheirPatternsAndWidths) {
    const NumberSeparators period, comma{",", "."};
    const struct {
        std::string shown, expected;
    } cases[] = {
        {contributionText(c(0.5), "EU", period, false), "        EU.50"},
        {rateText(c(-2.5), comma), "         -2,50%"},
        {rateText(c(-0.001), period), "           .00%"}, // no minus on a zero
        {yearsText(c(0), period), "                 "},   // "###" shows 0 as nothing
        {lumpSumText(c(12345678.9), "$", period, false), "$12,345,678.9"}, // cut to 13
    };
    for (const auto& t : cases)
        EXPECT_EQ(t.shown, t.expected);
}

TEST(SavingsTexts, GridTotalRow) {
    // With no years the "Total:" row is grid row 1 and shows the table's total row 2;
    // hand: one quarter of 1,200 at 20 % a year, 1,200 * 1.2^(1/4) = 1,255.96.
    const NumberSeparators seps;
    const Result<Growth> none = calculateGrowth(plan(0, 1200, "Quarterly", 20, 0, 0, 0));
    SavingsGridView view = savingsGridView(none->rows, 0, 0, SavingsFrequencies[1], "$", seps);
    EXPECT_EQ(view.cells[0] + view.cells[1] + view.cells[3], "Total:$1,200.00$1,255.96");
    // The total row keeps a zero before the point.
    const Result<Growth> zero = calculateGrowth(plan(0, 0, "Annually", 20, 0, 0, 25));
    view = savingsGridView(zero->rows, zero->periods, 25, SavingsFrequencies[0], "$", seps);
    EXPECT_EQ(view.cells[1] + view.cells[25 * 4 + 1], ".00$0.00");
}

// The examples' figures line up under their headings; the symbol is the one chosen.
TEST(SavingsTexts, QuickHelpMatchesItsGoldenText) {
    std::string text;
    for (const std::string& line : savingsQuickHelp("EU"))
        text += line + "\n";
    expectGolden(text, "savings-quick-help-EU.txt");
}

} // namespace
