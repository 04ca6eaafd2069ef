#pragma once
// The net worth statement while its worksheet is open: two lists of lines (a name and an
// amount), their counts and totals as of the last calculation.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "Currency.h"

// Lines 1..30 of a list are used; row 0 and row 31 stay empty.
constexpr int NetWorthLines = 30;
constexpr int NetWorthTableRows = NetWorthLines + 2;

struct NetWorthLine {
    std::string name;             // empty: the line is dropped at the next calculation
    std::optional<double> amount; // nothing: the empty amount (shown and printed blank)

    friend bool operator==(const NetWorthLine&, const NetWorthLine&) = default;
};

using NetWorthTable = std::array<NetWorthLine, NetWorthTableRows>;

struct NetWorthTables {
    NetWorthTable AssetRows{};
    NetWorthTable LiabilityRows{};
    std::int16_t AssetCount = 0;
    std::int16_t LiabilityCount = 0;
    Currency TotalAssets;
    Currency TotalLiabilities;
    std::int16_t NetWorthUnsaved = 0; // 1 after "Calculate", 0 after saving or leaving
};
