#include "SavingsTexts.h"

const std::array<const char*, 6> LumpSumEntries = {"10000", "15000", "20000",
                                                   "25000", "30000", "35000"};
const std::array<const char*, 3> ContributionEntries = {"100", "300", "1200"};
const std::array<const char*, 5> RateEntries = {"10", "12.5", "15", "17.5", "20"};
const std::array<const char*, 5> IncreaseEntries = {"3", "4", "5", "6", "7"};
const std::array<const char*, 6> YearsEntries = {"5", "10", "15", "20", "25", "30"};

const std::array<const char*, 4> SavingsGridHeadings = {
    " Year  Number", "          Invested          Annually",
    "      Interest/Growth      Compounded", "              Current                Value"};

std::string yearsText(Currency value, const NumberSeparators& seps) {
    return RightAlign(formatNumber(value, "###", seps), 17);
}

SavingsGridView savingsGridView(std::span<const GrowthRow> table, int periods, int years,
                                const SavingsFrequency& frequency, const std::string& symbol,
                                const NumberSeparators& seps) {
    SavingsGridView view;
    const int n = frequency.periodsPerYear;
    view.rows = n == 1 ? std::max(years + 4, SavingsGridLoadRows) : n * years + 4;
    view.headings = {std::string(frequency.periodHeading),
                     "          Invested         " + std::string(frequency.text),
                     SavingsGridHeadings[2], SavingsGridHeadings[3]};
    view.cells.reserve(static_cast<std::size_t>(periods + 1) * 4);
    for (int k = 1; k <= periods; ++k) {
        const GrowthRow& r = table[static_cast<std::size_t>(k)];
        view.cells.push_back(std::to_string(r[1].raw() / Currency::Scale));
        for (int col = 2; col <= 4; ++col)
            view.cells.push_back(
                formatNumber(r[static_cast<std::size_t>(col)], "####,,###.00", seps));
    }
    const GrowthRow& total = table[static_cast<std::size_t>(periods == 0 ? 2 : periods + 1)];
    view.cells.push_back("Total:");
    for (int col = 2; col <= 4; ++col)
        view.cells.push_back(
            symbol + formatNumber(total[static_cast<std::size_t>(col)], "####,,##0.00", seps));
    return view;
}

namespace {

// One line of the examples table: each figure right-aligned under its "Example n". The
// lines follow the order of the entry fields.
std::string exampleLine(const std::array<const char*, 5>& figures) {
    std::string line = RightAlign(figures[0], 11);
    for (std::size_t i = 1; i < figures.size(); ++i)
        line += RightAlign(figures[i], 26);
    return line;
}

} // namespace

std::vector<std::string> savingsQuickHelp(const std::string& symbol) {
    const std::string& s = symbol;
    return {
        "  Example 1                 Example 2                 Example 3                 "
        "Example 4                 Example 5",
        exampleLine({".00", "1,000.00", ".00", "30,000.00", "30,000.00"}),
        exampleLine({"1,000.00", ".00", "1,000.00", ".00", ".00"}),
        exampleLine({"Annually", "Annually", "Annually", "Annually", "Annually"}),
        exampleLine({"20%", "20%", "20%", ".00%", ".00%"}),
        exampleLine({".00%", ".00%", "5.00%", ".00%", ".00%"}),
        exampleLine({".00%", ".00%", ".00%", "5.00%", "-5.00%"}),
        exampleLine({"25", "25", "25", "25", "25"}),
        "",
        "Click yellow box to change, start typing in numbers, deletes previous ones. For results "
        "click Calculate.  Press F1 key for more detailed information.",
        "",
        "Example 1: Shows the future value of " + s +
            "1,000.00 invested each year for 25 years at a 20% Interest/Growth Rate compounded "
            "annually.",
        "",
        "Example 2: Shows the future value of a lump sum of " + s +
            "1,000.00 invested for 25 years at a 20% Interest/Growth Rate compounded annually.",
        "",
        "Example 3: Shows the future value of " + s +
            "1,000.00 invested each year for 25 years at a 20% Interest/Growth Rate compounded "
            "annually, the amount invested being increased by 5% every year.",
        "",
        "Example 4: Shows the future value of " + s +
            "30,000.00 after 25 years of 5% annual inflation without interest or growth: what "
            "that sum will buy in 25 years, in today's money.",
        "",
        "Example 5: Shows what the future value of " + s +
            "30,000.00 must be after 25 years of 5% annual inflation to keep today's purchasing "
            "power.",
        "",
        "For Investments made on a more frequent basis than each year. click down arrow beside "
        "'Frequency of each contribution period' for monthly or quarterly. Be sure to change the "
        "figures in 'Amount invested at each contribution period' also.",
        "",
        "Compounding takes place at the frequency chosen: Annually, once a year. Quarterly, 4 "
        "times a year. Monthly, 12 times a year. All percentage rates used in monthly and "
        "quarterly calculations are adjusted for the annual percentage rate.",
        "",
        "Tailor the plan to your own figures: change any yellow box and click Calculate again. "
        "Leave the increase and inflation rates at .00% to see the growth alone, or enter a "
        "negative inflation rate to see what a sum must grow to.",
        "",
        "Plans that change over the years are calculated in steps. For example, " + s +
            "1,000.00 a year for 5 years and then a lump sum of " + s +
            "10,000.00 added for another 20 years: first calculate 5 years of " + s +
            "1,000.00 a year, add the " + s +
            "10,000.00 lump sum to the total current value, enter that as the lump sum and "
            "calculate the remaining 20 years. Amounts that vary from year to year are entered "
            "as a lump sum each year for the remaining 25, 24, ... 1 years, and the current "
            "values added together.",
        "",
        "End",
    };
}
