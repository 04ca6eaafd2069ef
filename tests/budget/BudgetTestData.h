#pragma once
// Small helpers for building budget tables in tests.
#include <string>

#include "BudgetTables.h"

inline Currency money(const char* text) {
    // Whole units and up to four decimals, e.g. "310.5", "0.0001".
    std::string s(text);
    const auto point = s.find('.');
    std::string whole = s.substr(0, point),
                fraction = point == std::string::npos ? "" : s.substr(point + 1);
    fraction.resize(4, '0');
    const bool negative = !whole.empty() && whole[0] == '-';
    if (negative)
        whole.erase(0, 1);
    const long long raw = std::stoll(whole.empty() ? "0" : whole) * 10000 + std::stoll(fraction);
    return Currency::fromRaw(negative ? -raw : raw);
}

// Appends a record given by its yearly figures.
inline void add(BudgetTables& t, RecordSide side, const std::string& description,
                const char* annual, int payments, const char* budgeted) {
    std::int16_t& count = t.count(side);
    ++count;
    BudgetRecord& r = t.records(side)[static_cast<std::size_t>(count)];
    r.RecNo = count;
    r.Description = description;
    r.AnnualAmount = money(annual);
    r.PaymentsPerYear = Currency::fromWhole(payments);
    r.AnnualBudgeted = money(budgeted);
}

inline std::string names(const BudgetTables& t, RecordSide side) {
    std::string out;
    for (int i = 1; i <= t.count(side); ++i)
        out += (i > 1 ? "|" : "") + t.records(side)[static_cast<std::size_t>(i)].Description;
    return out;
}
