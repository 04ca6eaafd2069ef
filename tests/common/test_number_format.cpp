// Number patterns, right alignment and the leading-number reading of typed text.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

#include "Currency.h"
#include "NumberFormat.h"

TEST(NumberPatterns, EveryPatternByHandWorkedCases) {
    const struct {
        double value;
        const char* pattern;
        const char* expected;
    } cases[] = {
        // Groups, two decimals, no 0 before the point, minus first.
        {0.0, "###,,###.00", ".00"},
        {0.5, "###,,###.00", ".50"},
        {-0.5, "###,,###.00", "-.50"},
        {999.0, "###,,###.00", "999.00"},
        {1000.0, "###,,###.00", "1,000.00"},
        {-1234.5, "###,,###.00", "-1,234.50"},
        {1234567.891, "####,,###.00", "1,234,567.89"},
        {888.6, "##,,###.00", "888.60"},
        {12345.678, "###,###.00", "12,345.68"},
        {999.995, "###,,###.00", "1,000.00"}, // the carry opens a new group
        {-0.004, "###,,###.00", ".00"},       // rounds to zero: no minus sign
        {0.0, "####,,##0.00", "0.00"},
        {-0.5, "####,,##0.00", "-0.50"},
        {1234.5, "####,,##0.00", "1,234.50"},
        // No groups; fixed, trimmed or no decimals.
        {0.0, "###.00", ".00"},
        {1234.5, "###.00", "1234.50"},
        {6.5, "###.000", "6.500"},
        {0.0625, "###.000", ".063"}, // an exact binary half
        {365.25, "###.##", "365.25"},
        {365.5, "###.##", "365.5"},
        {365.0, "###.##", "365"},
        {0.0, "###.##", ""},
        {0.0, "###", ""},
        {0.4, "###", ""},
        {2.5, "###", "3"},
        {-2.5, "###", "-3"},
        {12345.0, "###", "12345"},
        {12.0, "##", "12"},
        {2027.0, "####", "2027"},
        {0.00534474, "0.########", "0.00534474"},
        {0.123456789, "0.########", "0.12345679"},
        {0.0, "0.########", "0"},
        {2.0, "0.########", "2"},
        // Doubles stored just below the written half (1.005 is 1.00499999999999989...) round up.
        {1.005, "###,,###.00", "1.01"},
        {-1.005, "###,,###.00", "-1.01"},
        {1.015, "###,,###.00", "1.02"},
        {2.675, "###.00", "2.68"},
        {0.285, "###,,###.00", ".29"},
        {1234.565, "####,,###.00", "1,234.57"},
        {1.0005, "###.000", "1.001"},
        {711.0 / 24.0, "###,,###.00", "29.63"},
        // Very large and very small; beyond 15 significant digits the decimal form carries zeros.
        {1e20, "###,,###.00", "100,000,000,000,000,000,000.00"},
        {-1e20, "###", "-100000000000000000000"},
        {123456789012345678.0, "####,,###.00", "123,456,789,012,346,000.00"},
        {1e-300, "###,,###.00", ".00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatNumber(c.value, c.pattern), c.expected) << c.value << c.pattern;
    EXPECT_EQ(formatNumber(1e300, "###"), "1" + std::string(300, '0'));
    EXPECT_EQ(formatNumber(std::nan(""), "###,,###.00"), "NaN");
    EXPECT_THROW(formatNumber(1.0, "#,##0.00"), std::invalid_argument);
    EXPECT_THROW(formatNumber(Currency::fromWhole(1), ""), std::invalid_argument);
}

TEST(NumberPatterns, CurrencyRoundsFromItsFourDecimals) {
    const struct {
        std::int64_t raw;
        const char* pattern;
        const char* expected;
    } cases[] = {
        {12345650, "###,,###.00", "1,234.57"},
        {12345649, "###,,###.00", "1,234.56"},
        {-50, "###,,###.00", "-.01"},
        {-49, "###,,###.00", ".00"},
        {12345, "###.000", "1.235"},
        {std::numeric_limits<std::int64_t>::max(), "####,,###.00", "922,337,203,685,477.58"},
        {std::numeric_limits<std::int64_t>::min(), "####,,###.00", "-922,337,203,685,477.58"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatNumber(Currency::fromRaw(c.raw), c.pattern), c.expected) << c.raw;
}

// Rounding carries through every digit, groups appear where the whole part reaches them, and
// the trimming patterns drop zeros (expected texts by hand).
TEST(NumberPatterns, CurrencyCarriesGroupsAndTrims) {
    const struct {
        std::int64_t raw;
        const char* pattern;
        const char* expected;
    } cases[] = {
        {99995, "###,,###.00", "10.00"},
        {9999999950, "###,,###.00", "1,000,000.00"},
        {-9999999950, "####,,###.00", "-1,000,000.00"},
        {9999950, "###,###.00", "1,000.00"},
        {1234567, "##,,###.00", "123.46"},
        {5000, "####,,##0.00", "0.50"},
        {0, "####,,##0.00", "0.00"},
        {0, "###,,###.00", ".00"},
        {3652500, "###.##", "365.25"},
        {3650000, "###.##", "365"},
        {3652000, "###.##", "365.2"},
        {49, "###.##", ""},
        {20804999, "####", "2080"},
        {20805000, "####", "2081"},
        {-20805000, "###", "-2081"},
        {12345678901234, "###", "1234567890"},
        {12344999, "###.000", "1234.500"},
        {12345678, "###.00", "1234.57"},
        {1, "0.########", "0.0001"},
        {-123456789, "0.########", "-12345.6789"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatNumber(Currency::fromRaw(c.raw), c.pattern), c.expected)
            << c.raw << c.pattern;
}

// A negative figure that rounds to zero at the pattern's last place prints as zero, without
// a minus sign, in every pattern (expected texts: each pattern's own zero, by hand).
TEST(NumberPatterns, NoMinusSignOnAZero) {
    const struct {
        const char* pattern;
        const char* zero;
    } twoDecimals[] = {
        {"###,,###.00", ".00"}, {"####,,###.00", ".00"},  {"##,,###.00", ".00"},
        {"###,###.00", ".00"},  {"####,,##0.00", "0.00"}, {"###.00", ".00"},
    };
    for (const auto& p : twoDecimals) {
        for (double value : {-0.004, -0.0049, -0.0})
            EXPECT_EQ(formatNumber(value, p.pattern), p.zero) << value << p.pattern;
        EXPECT_EQ(formatNumber(Currency::fromRaw(-49), p.pattern), p.zero) << p.pattern; // -0.0049
        EXPECT_EQ(formatNumber(-0.005, p.pattern),
                  std::string("-") + (p.zero[0] == '0' ? "0.01" : ".01"))
            << p.pattern;
    }
    const struct {
        double value;
        const char* pattern;
        const char* expected;
    } others[] = {
        {-0.0004, "###.000", ".000"},
        {-0.0005, "###.000", "-.001"},
        {-0.4, "###", ""},
        {-0.5, "###", "-1"},
        {-0.4, "##", ""},
        {-0.4, "####", ""},
        {-0.004, "###.##", ""},
        {-0.000000004, "0.########", "0"},
    };
    for (const auto& c : others)
        EXPECT_EQ(formatNumber(c.value, c.pattern), c.expected) << c.value << c.pattern;
    EXPECT_EQ(formatNumber(Currency::fromRaw(-4), "###.000"), ".000");
}

TEST(NumberPatterns, FollowTheGivenSeparators) {
    const NumberSeparators comma{",", "."};
    EXPECT_EQ(formatNumber(1234567.891, "###,,###.00", comma), "1.234.567,89");
    EXPECT_EQ(formatNumber(0.5, "###,,###.00", comma), ",50");
    EXPECT_EQ(formatNumber(0.5, "####,,##0.00", comma), "0,50");
    EXPECT_EQ(formatNumber(365.25, "###.##", comma), "365,25");
    EXPECT_EQ(formatNumber(Currency::fromRaw(12345650), "###,,###.00", comma), "1.234,57");
    EXPECT_EQ(formatNumber(1234.5, "###,,###.00", {",", "\u202f"}),
              "1\u202f234,50"); // a multi-byte group mark
}

TEST(RightAlignAndLeadingNumber, CountCharactersAndStopWhereTheNumberEnds) {
    const struct {
        const char* text;
        int width;
        const char* expected;
    } aligned[] = {{"1,234.50", 10, "  1,234.50"},
                   {"abcdef", 3, "abc"},
                   {"", 4, "    "},
                   {"abc", 0, ""},
                   {"abc", -5, ""},
                   {"\u20ac1,00", 7, "  \u20ac1,00"},
                   {"\u20ac\U0001F600\u20ac", 2, "\u20ac\U0001F600"}};
    for (const auto& c : aligned)
        EXPECT_EQ(RightAlign(c.text, c.width), c.expected) << c.text << c.width;

    const struct {
        const char* text;
        const char* point;
        double value;
    } cases[] = {
        {"12.5.1", ".", 12.5},    {"", ".", 0.0},
        {"1,234", ".", 1.0},      {"abc", ".", 0.0},
        {"  -3.25x", ".", -3.25}, {".5", ".", 0.5},
        {"-", ".", 0.0},          {"- 5", ".", 0.0},
        {"7.", ".", 7.0},         {"1,5", ",", 1.5},
        {"1.5", ",", 1.0},        {"$12", ".", 0.0},
        {"0012.50", ".", 12.5},   {"  120000", ".", 120000.0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(leadingNumber(c.text, c.point), c.value) << c.text;
    EXPECT_TRUE(std::isinf(leadingNumber(std::string(400, '9'))));
    EXPECT_EQ(leadingNumber("0." + std::string(400, '0') + "1"), 0.0);
}
