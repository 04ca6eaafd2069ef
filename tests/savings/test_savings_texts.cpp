// What the worksheet shows: field texts, the grid after a calculation, the quick help.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "Growth.h"
#include "SavingsTexts.h"

namespace {

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

TEST(SavingsTexts, GridRowsAndTotal) {
    const NumberSeparators seps;
    const struct {
        int n, years, rows;
    } counts[] = {
        {0, 5, 25},   {0, 30, 34}, // annually: years + 4, 25 at least
        {2, 25, 304},              // monthly: 12 * years + 4
        {1, 10, 44},  {1, 0, 4},   // quarterly: 4 * years + 4
    };
    SavingsGridView view;
    for (const auto& t : counts) {
        GrowthInput in = defaultGrowthInput();
        in.years = t.years;
        in.frequency = SavingsFrequencies[t.n].text;
        const Result<Growth> r = calculateGrowth(in);
        view = savingsGridView(r->rows, r->periods, t.years, SavingsFrequencies[t.n], "$", seps);
        EXPECT_EQ(view.rows, t.rows) << t.years;
        EXPECT_EQ(view.headings[1], "          Invested         " + in.frequency);
        EXPECT_EQ(view.cells.size(), static_cast<std::size_t>(r->periods + 1) * 4);
    }
    // With no years the "Total:" row is grid row 1 and shows the table's total row 2;
    // hand: one quarter of 1,200 at 20 % a year, 1,200 * 1.2^(1/4) = 1,255.96.
    EXPECT_EQ(view.cells[0] + view.cells[1] + view.cells[3], "Total:$1,200.00$1,255.96");
    // The total row keeps a zero before the point.
    GrowthInput nothing = defaultGrowthInput();
    nothing.contribution = Currency{};
    const Result<Growth> zero = calculateGrowth(nothing);
    view = savingsGridView(zero->rows, zero->periods, 25, SavingsFrequencies[0], "$", seps);
    EXPECT_EQ(view.cells[1] + view.cells[25 * 4 + 1], ".00$0.00");
}

// The examples' figures line up under their headings; the symbol is the one chosen.
TEST(SavingsTexts, QuickHelpMatchesItsGoldenText) {
    const std::string golden = PECUNEX_SOURCE_DIR "/tests/golden/savings-quick-help-EU.txt";
    std::string text;
    for (const std::string& line : savingsQuickHelp("EU"))
        text += line + "\n";
    if (std::getenv("PECUNEX_UPDATE_GOLDEN"))
        std::ofstream(golden, std::ios::binary) << text;
    std::ostringstream expected;
    expected << std::ifstream(golden, std::ios::binary).rdbuf();
    EXPECT_EQ(text, expected.str());
}

} // namespace
