// What the worksheet shows: field texts, the grid after a calculation, the quick help.
#include <gtest/gtest.h>

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
        {lumpSumText(c(0), "$", period, true), "           $.00"},    // 15 wide on load
        {lumpSumText(c(25000), "$", period, false), "   $25,000.00"}, // 13 after typing
        {contributionText(c(1200), "$", period, true), "    $1,200.00"},
        {contributionText(c(0.5), "EU", period, false), "        EU.50"},
        {rateText(c(20), period), "         20.00%"},
        {rateText(c(-2.5), comma), "         -2,50%"},
        {rateText(c(-0.001), period), "           .00%"}, // no minus on a zero
        {yearsText(c(25), period), "               25"},
        {yearsText(c(0), period), "                 "}, // "###" shows 0 as nothing
        {lumpSumText(c(12345678.9), "$", period, false), "$12,345,678.9"}, // cut to 13
    };
    for (const auto& t : cases)
        EXPECT_EQ(t.shown, t.expected);
}

TEST(SavingsTexts, GridRowsHeadingsAndTotal) {
    GrowthInput defaults = defaultGrowthInput();
    const Result<Growth> g = calculateGrowth(defaults);
    ASSERT_TRUE(g.ok());
    const NumberSeparators seps;
    SavingsGridView view =
        savingsGridView(g->rows, g->periods, 25, SavingsFrequencies[0], "$", seps);
    EXPECT_EQ(view.rows, 29); // 25 years + 4
    EXPECT_EQ(view.cells.size(), 26u * 4);
    EXPECT_EQ(view.headings[0], " Year  Number");
    EXPECT_EQ(view.headings[1], "          Invested         Annually");
    // hand: row 1 = 1,200 invested, 240 interest, 1,440 value
    EXPECT_EQ(view.cells[0] + "|" + view.cells[1] + "|" + view.cells[2] + "|" + view.cells[3],
              "1|1,200.00|240.00|1,440.00");
    EXPECT_EQ(view.cells[25 * 4], "Total:");
    EXPECT_EQ(view.cells[25 * 4 + 1], "$30,000.00");

    const struct {
        int n, years, rows;
        const char* heading;
    } counts[] = {
        {0, 5, 25, " Year  Number"},                                  // annually: at least 25
        {0, 30, 34, " Year  Number"},  {2, 25, 304, " Month Number"}, // monthly: 12 * years + 4
        {1, 10, 44, "Quarter Number"},                                // quarterly: 4 * years + 4
        {1, 0, 4, "Quarter Number"},
    };
    for (const auto& t : counts) {
        GrowthInput in = defaults;
        in.years = t.years;
        in.frequency = std::string(SavingsFrequencies[t.n].text);
        const Result<Growth> r = calculateGrowth(in);
        view = savingsGridView(r->rows, r->periods, t.years, SavingsFrequencies[t.n], "$", seps);
        EXPECT_EQ(view.rows, t.rows) << t.years;
        EXPECT_EQ(view.headings[0], t.heading);
        EXPECT_EQ(view.headings[1].substr(27), SavingsFrequencies[t.n].text);
        EXPECT_EQ(view.cells.size(), static_cast<std::size_t>(r->periods + 1) * 4);
    }
    // With no years the "Total:" row is grid row 1 and shows the table's total row 2;
    // hand: one quarter of 1,200 at 20 % a year, 1,200 * 1.2^(1/4) = 1,255.96.
    EXPECT_EQ(view.cells[0] + view.cells[1] + view.cells[3], "Total:$1,200.00$1,255.96");
    // The total row keeps a zero before the point.
    defaults.contribution = Currency{};
    const Result<Growth> zero = calculateGrowth(defaults);
    view = savingsGridView(zero->rows, zero->periods, 25, SavingsFrequencies[0], "$", seps);
    EXPECT_EQ(view.cells[1] + view.cells[25 * 4 + 1], ".00$0.00");
}

TEST(SavingsTexts, QuickHelpNamesTheCurrencyAndLinesUpTheExamples) {
    const std::vector<std::string> help = savingsQuickHelp("EU");
    ASSERT_GT(help.size(), 10u);
    const std::string& head = help[0];
    EXPECT_EQ(head.rfind("  Example 1                 Example 2", 0), 0u);
    // Every figure of the table ends where its "Example n" ends.
    for (int line = 1; line <= 7; ++line)
        for (int example = 0; example < 5; ++example) {
            const std::size_t end = 11 + 26 * static_cast<std::size_t>(example);
            EXPECT_NE(help[line][end - 1], ' ') << line << "/" << example;
            EXPECT_TRUE(end == help[line].size() || help[line][end] == ' ')
                << line << "/" << example;
        }
    for (int line = 1; line <= 7; ++line)
        EXPECT_EQ(help[line].size(), head.size()) << line;
    EXPECT_NE(help[1].find("30,000.00"), std::string::npos);
    EXPECT_NE(help[6].find("-5.00%"), std::string::npos);
    std::string all;
    for (const auto& l : help)
        all += l + "\n";
    EXPECT_NE(all.find("Example 1: Shows the future value of EU1,000.00 invested each year for 25 "
                       "years at a 20% "
                       "Interest/Growth Rate compounded annually."),
              std::string::npos);
    EXPECT_NE(all.find("Example 5: Shows what the future value of EU30,000.00"), std::string::npos);
    EXPECT_NE(all.find("add the EU10,000.00 lump sum"), std::string::npos);
    EXPECT_EQ(all.find('$'), std::string::npos);
    EXPECT_EQ(help.back(), "End");
}

} // namespace
