// Number patterns, right alignment and the leading-number reading of typed text.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "Currency.h"
#include "Golden.h"
#include "NumberFormat.h"

// Every pattern at the values where its rules show: groups, places, trimmed zeros, the 0
// before the point, halves away from zero (1.005 is stored as 1.00499999999999989..., yet its
// decimal form rounds up), the carry into a new group, no minus on a zero, figures beyond 15
// digits. Each value as a double and, when it has at most four decimals, as Currency. The
// golden table was checked against a decimal model of the rules written apart from this code.
TEST(NumberPatterns, EveryPatternAtItsEdgesMatchesTheGoldenTable) {
    const char* const patterns[] = {"###,,###.00",  "####,,###.00", "##,,###.00", "###,###.00",
                                    "####,,##0.00", "###.00",       "###.000",    "###.##",
                                    "###",          "##",           "####",       "0.########"};
    std::istringstream values(
        "0 -0 0.4 0.5 -0.5 2.5 -2.5 -0.004 -0.0049 -0.005 -0.0005 -0.0004 0.0625 1.0005 "
        "1.005 -1.005 2.675 29.625 365.25 365.2 365 888.6 999.995 1234.5649 1234.565 "
        "2080.4999 2080.5 12345.678 999999.995 1234567.891 0.00534474 0.123456789 "
        "-0.000000004 123456789012345678 1e20 -1e20 1e-300 922337203685477.5 nan inf -inf");
    std::string table;
    for (std::string value; values >> value;) {
        const double d = std::strtod(value.c_str(), nullptr);
        const auto c = Currency::fromDouble(d);
        for (const char* pattern : patterns) {
            const std::string shown = formatNumber(d, pattern);
            char row[64];
            std::snprintf(row, sizeof row, "%-22s %-13s ", value.c_str(), pattern);
            table += row + golden::quoted(shown);
            if (c && c->toDouble() == d) {
                const std::string money = formatNumber(*c, pattern);
                table += "  currency " + (money == shown ? "same" : golden::quoted(money));
            }
            table += "\n";
        }
    }
    golden::expectMatches(table, "common/number-patterns.txt");
}
