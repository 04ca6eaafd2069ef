#include "BudgetPeriods.h"

const std::array<BudgetPeriod, 7> BudgetPeriods = {{
    {"      Weekly", 52, " Weekly income", " Weekly expenses", "Weekly"},
    {"     2 Weeks", 26, " 2 weeks income", " 2 weeks expenses", "2 Weeks"},
    {" Semi-monthly", 24, " Semi-monthly income", " Semi-monthly expenses", "Semi-monthly"},
    {"     Monthly", 12, " Monthly income", " Monthly expenses", "Monthly"},
    {"   Quarterly", 4, " Quarterly income", " Quarterly expenses", "Quarterly"},
    {" Semi-annual", 2, " Semi-annual income", " Semi-annual expenses", "Semi-annual"},
    {"      Annual", 1, " Annual income", " Annual expenses", "Annual"},
}};

const std::array<std::string_view, 4> BudgetSortEntries = {"   Names A - Z", "   Names Z - A",
                                                           "Amounts Hi-Lo", "Amounts Lo-Hi"};

namespace {
std::string_view withoutLeadingBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}
} // namespace

const BudgetPeriod* findPeriod(std::string_view entry) {
    for (const auto& period : BudgetPeriods)
        if (period.entry == entry)
            return &period;
    return nullptr;
}

std::optional<int> findSortOrder(std::string_view entry) {
    for (std::size_t i = 0; i < BudgetSortEntries.size(); ++i)
        if (BudgetSortEntries[i] == entry)
            return static_cast<int>(i) + 1;
    return std::nullopt;
}

const BudgetPeriod* periodByName(std::string_view text) {
    text = withoutLeadingBlanks(text);
    for (const auto& period : BudgetPeriods)
        if (withoutLeadingBlanks(period.entry) == text)
            return &period;
    return nullptr;
}

std::optional<int> sortOrderByName(std::string_view text) {
    text = withoutLeadingBlanks(text);
    for (std::size_t i = 0; i < BudgetSortEntries.size(); ++i)
        if (withoutLeadingBlanks(BudgetSortEntries[i]) == text)
            return static_cast<int>(i) + 1;
    return std::nullopt;
}
