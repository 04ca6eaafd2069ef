#pragma once
// The two lists of the budget worksheet: "Show for period" (seven reporting periods with
// their factors and texts) and "Sorted by" (four orders). Entries match on their whole
// text, leading blanks included.
#include <array>
#include <optional>
#include <string_view>

struct BudgetPeriod {
    std::string_view entry;        // the list text
    int factor;                    // periods per year
    std::string_view incomeLabel;  // caption beside the income totals
    std::string_view expenseLabel; // caption beside the expense totals
    std::string_view word;         // "Weekly" ... "Annual", before " Net Balance"
};

extern const std::array<BudgetPeriod, 7> BudgetPeriods;
extern const std::array<std::string_view, 4> BudgetSortEntries;

constexpr std::string_view InitialPeriodEntry = "      Annual";
constexpr std::string_view InitialSortEntry = "   Names A - Z";

// The period of a list text, nothing when no entry has exactly that text.
const BudgetPeriod* findPeriod(std::string_view entry);
// The sort order (1-4) of a list text.
std::optional<int> findSortOrder(std::string_view entry);

// The same, for a text given without the list's leading blanks ("Monthly", "Names A - Z");
// leading blanks in `text` are ignored too.
const BudgetPeriod* periodByName(std::string_view text);
std::optional<int> sortOrderByName(std::string_view text);
