#pragma once
// What the savings worksheet shows, as text: the entry fields, the grid after a
// calculation and the quick help.
#include <array>
#include <span>
#include <string>
#include <vector>

#include "Growth.h"
#include "NumberFormat.h"

// Drop-down entries of the entry fields, and the frequency list.
extern const std::array<const char*, 6> LumpSumEntries;
extern const std::array<const char*, 3> ContributionEntries;
extern const std::array<const char*, 5> RateEntries;
extern const std::array<const char*, 5> IncreaseEntries; // also the inflation field's
extern const std::array<const char*, 6> YearsEntries;

// Field texts, for a stored Currency or a typed figure (a double) beyond its range. `onLoad`
// selects the width or pattern the field shows when the worksheet opens; the other is used
// after the field was retyped.
template <class Figure>
std::string lumpSumText(Figure value, const std::string& symbol, const NumberSeparators& seps,
                        bool onLoad) {
    return RightAlign(symbol + formatNumber(value, "###,,###.00", seps), onLoad ? 15 : 13);
}
template <class Figure>
std::string contributionText(Figure value, const std::string& symbol, const NumberSeparators& seps,
                             bool onLoad) {
    return RightAlign(symbol + formatNumber(value, onLoad ? "###,,###.00" : "####,,###.00", seps),
                      13);
}
// Rate, increase, inflation.
template <class Figure> std::string rateText(Figure value, const NumberSeparators& seps) {
    return RightAlign(formatNumber(value, "###.00", seps), 14) + "%";
}
std::string yearsText(Currency value, const NumberSeparators& seps);

// Grid headings before any calculation.
extern const std::array<const char*, 4> SavingsGridHeadings;
constexpr int SavingsGridLoadRows = 25;

struct SavingsGridView {
    int rows = SavingsGridLoadRows; // row count, heading row included
    std::array<std::string, 4> headings;
    std::vector<std::string> cells; // rows 1..N + 1, four texts a row
};

// The grid after a calculation: period rows without symbol, the "Total:" row with it.
SavingsGridView savingsGridView(std::span<const GrowthRow> table, int periods, int years,
                                const SavingsFrequency& frequency, const std::string& symbol,
                                const NumberSeparators& seps);

// The quick help, line by line, with the currency symbol where amounts are named.
std::vector<std::string> savingsQuickHelp(const std::string& symbol);
