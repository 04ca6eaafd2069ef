#pragma once
// Small helpers for building budget tables in tests.
#include <string>

#include "BudgetTables.h"

// A figure written with a period, e.g. "310.5", "0.0001".
inline Currency money(const char* text) {
    return *Currency::fromDouble(std::stod(text));
}

// Appends a record given by its yearly figures.
inline void add(BudgetTables& t, RecordSide side, const std::string& description,
                const char* annual, int payments, const char* budgeted) {
    const auto n = ++t.count(side);
    t.records(side)[static_cast<std::size_t>(n)] = {n, description, money(annual),
                                                    Currency::fromWhole(payments), money(budgeted)};
}

inline std::string names(const BudgetTables& t, RecordSide side) {
    std::string out;
    for (int i = 1; i <= t.count(side); ++i)
        out += (i > 1 ? "|" : "") + t.records(side)[static_cast<std::size_t>(i)].Description;
    return out;
}
