// Number patterns, right alignment and the leading-number reading of typed text.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

#include "Currency.h"
#include "NumberFormat.h"

namespace {

struct PatternCase {
    double value;
    const char* pattern;
    const char* expected;
};

TEST(NumberPatterns, GroupedTwoDecimals) {
    // Hand-worked from the pattern descriptions: groups of three, two decimals, no 0 before
    // the point, minus first.
    const PatternCase cases[] = {
        {0.0, "###,,###.00", ".00"},
        {0.5, "###,,###.00", ".50"},
        {-0.5, "###,,###.00", "-.50"},
        {0.07, "###,,###.00", ".07"},
        {999.0, "###,,###.00", "999.00"},
        {1000.0, "###,,###.00", "1,000.00"},
        {-1234.5, "###,,###.00", "-1,234.50"},
        {1234567.891, "####,,###.00", "1,234,567.89"},
        {120000.0, "####,,###.00", "120,000.00"},
        {888.6, "##,,###.00", "888.60"},
        {12345.678, "###,###.00", "12,345.68"},
        {999.995, "###,,###.00", "1,000.00"},   // the carry reaches a new group
        {-0.004, "###,,###.00", ".00"},         // rounds to zero: no minus sign
        {0.0, "####,,##0.00", "0.00"},
        {0.5, "####,,##0.00", "0.50"},
        {-0.5, "####,,##0.00", "-0.50"},
        {1234.5, "####,,##0.00", "1,234.50"},
    };
    for (const auto& c : cases) EXPECT_EQ(formatNumber(c.value, c.pattern), c.expected) << c.value << " " << c.pattern;
}

TEST(NumberPatterns, PlainDecimalsAndWholeNumbers) {
    const PatternCase cases[] = {
        {0.0, "###.00", ".00"},
        {1234.5, "###.00", "1234.50"},       // no groups
        {0.25, "###.00", ".25"},
        {6.5, "###.000", "6.500"},
        {9.25, "###.000", "9.250"},
        {0.0625, "###.000", ".063"},         // exact binary half: away from zero
        {365.25, "###.##", "365.25"},
        {365.5, "###.##", "365.5"},
        {365.0, "###.##", "365"},            // no bare point
        {0.0, "###.##", ""},
        {20.0, "###", "20"},
        {0.0, "###", ""},
        {0.4, "###", ""},
        {2.5, "###", "3"},
        {-2.5, "###", "-3"},
        {12.0, "##", "12"},
        {2027.0, "####", "2027"},
        {12345.0, "###", "12345"},           // more digits than places: all of them
        {0.00534474, "0.########", "0.00534474"},  // worked example: the rate factor line
        {0.1, "0.########", "0.1"},
        {0.123456789, "0.########", "0.12345679"},
        {0.0, "0.########", "0"},
        {2.0, "0.########", "2"},
    };
    for (const auto& c : cases) EXPECT_EQ(formatNumber(c.value, c.pattern), c.expected) << c.value << " " << c.pattern;
}

TEST(NumberPatterns, RoundHalvesOfTheDecimalFormNotOfTheBinaryValue) {
    // Each of these doubles lies just below the written half (1.005 is stored as
    // 1.00499999999999989..., 2.675 as 2.67499999999999982..., 0.285 as 0.28499999999999997...),
    // so rounding the binary value would give the lower figure.
    const PatternCase cases[] = {
        {1.005, "###,,###.00", "1.01"},
        {1.015, "###,,###.00", "1.02"},
        {2.675, "###.00", "2.68"},
        {0.285, "###,,###.00", ".29"},
        {-1.005, "###,,###.00", "-1.01"},
        {711.0 / 24.0, "###,,###.00", "29.63"},    // 29.625 exactly: half away from zero
        {1234.565, "####,,###.00", "1,234.57"},
        {1.0005, "###.000", "1.001"},
        {0.5, "###", "1"},
        {1.5, "###", "2"},
    };
    for (const auto& c : cases) EXPECT_EQ(formatNumber(c.value, c.pattern), c.expected) << c.value << " " << c.pattern;
}

TEST(NumberPatterns, CurrencyRoundsFromItsFourDecimals) {
    EXPECT_EQ(formatNumber(Currency::fromRaw(12345650), "###,,###.00"), "1,234.57");
    EXPECT_EQ(formatNumber(Currency::fromRaw(12345649), "###,,###.00"), "1,234.56");
    EXPECT_EQ(formatNumber(Currency::fromRaw(-50), "###,,###.00"), "-.01");
    EXPECT_EQ(formatNumber(Currency::fromRaw(-49), "###,,###.00"), ".00");
    EXPECT_EQ(formatNumber(Currency::fromRaw(0), "###,,###.00"), ".00");
    EXPECT_EQ(formatNumber(Currency::fromRaw(12345), "###.000"), "1.235");  // 1.2345
    EXPECT_EQ(formatNumber(Currency::fromWhole(20), "###"), "20");
    EXPECT_EQ(formatNumber(Currency::fromRaw(1200000000), "####,,###.00"), "120,000.00");
}

TEST(NumberPatterns, VeryLargeValues) {
    EXPECT_EQ(formatNumber(1e20, "###,,###.00"), "100,000,000,000,000,000,000.00");
    EXPECT_EQ(formatNumber(-1e20, "###"), "-100000000000000000000");
    // Beyond 15 significant digits the decimal form carries zeros.
    EXPECT_EQ(formatNumber(123456789012345678.0, "####,,###.00"), "123,456,789,012,346,000.00");
    EXPECT_EQ(formatNumber(1e300, "###"), "1" + std::string(300, '0'));
    EXPECT_EQ(formatNumber(std::numeric_limits<double>::max(), "###").size(), 309u);
    EXPECT_EQ(formatNumber(Currency::fromRaw(std::numeric_limits<std::int64_t>::max()), "####,,###.00"),
              "922,337,203,685,477.58");
    EXPECT_EQ(formatNumber(Currency::fromRaw(std::numeric_limits<std::int64_t>::min()), "####,,###.00"),
              "-922,337,203,685,477.58");
    EXPECT_EQ(formatNumber(1e-300, "###,,###.00"), ".00");
}

TEST(NumberPatterns, FollowTheGivenSeparators) {
    const NumberSeparators comma{",", "."};
    EXPECT_EQ(formatNumber(1234567.891, "###,,###.00", comma), "1.234.567,89");
    EXPECT_EQ(formatNumber(0.5, "###,,###.00", comma), ",50");
    EXPECT_EQ(formatNumber(0.5, "####,,##0.00", comma), "0,50");
    EXPECT_EQ(formatNumber(1234.5, "###.00", comma), "1234,50");
    EXPECT_EQ(formatNumber(365.25, "###.##", comma), "365,25");
    EXPECT_EQ(formatNumber(Currency::fromRaw(12345650), "###,,###.00", comma), "1.234,57");
    // A separator of more than one byte (narrow no-break space).
    const NumberSeparators thin{",", "\u202f"};
    EXPECT_EQ(formatNumber(1234.5, "###,,###.00", thin), "1\u202f234,50");
}

TEST(NumberPatterns, UnknownPatternIsAnError) {
    EXPECT_THROW(formatNumber(1.0, "#,##0.00"), std::invalid_argument);
    EXPECT_THROW(formatNumber(Currency::fromWhole(1), ""), std::invalid_argument);
}

TEST(NumberPatterns, NonFiniteDoublesGiveAVisibleText) {
    EXPECT_EQ(formatNumber(std::nan(""), "###,,###.00"), "NaN");
    EXPECT_EQ(formatNumber(-std::numeric_limits<double>::infinity(), "###"), "-Infinity");
}

TEST(RightAlignField, PadsOrCutsToTheWidthInCharacters) {
    EXPECT_EQ(RightAlign("1,234.50", 10), "  1,234.50");
    EXPECT_EQ(RightAlign("abcdef", 3), "abc");
    EXPECT_EQ(RightAlign("abc", 3), "abc");
    EXPECT_EQ(RightAlign("", 4), "    ");
    EXPECT_EQ(RightAlign("abc", 0), "");
    EXPECT_EQ(RightAlign("abc", -5), "");
    // Multi-byte characters count once.
    EXPECT_EQ(RightAlign("\u20ac1,00", 7), "  \u20ac1,00");
    EXPECT_EQ(RightAlign("\u20ac\u20ac\u20ac", 2), "\u20ac\u20ac");
    EXPECT_EQ(RightAlign("EUR", 2), "EU");
}

TEST(RightAlignField, CountsCodePoints) {
    EXPECT_EQ(charCount(""), 0);
    EXPECT_EQ(charCount("abc"), 3);
    EXPECT_EQ(charCount("\u20ac"), 1);
    EXPECT_EQ(charCount("a\u00e9\U0001F600b"), 4);
}

TEST(LeadingNumber, ReadsUpToTheFirstCharacterThatCannotContinue) {
    struct Case {
        const char* text;
        const char* point;
        double value;
    };
    const Case cases[] = {
        {"12.5.1", ".", 12.5}, {"", ".", 0.0},       {"1,234", ".", 1.0},     {"abc", ".", 0.0},
        {"  -3.25x", ".", -3.25}, {".5", ".", 0.5},  {"-", ".", 0.0},        {"- 5", ".", 0.0},
        {"7.", ".", 7.0},      {"1,5", ",", 1.5},    {"1.5", ",", 1.0},       {"$12", ".", 0.0},
        {"0012.50", ".", 12.5}, {"  120000", ".", 120000.0},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(leadingNumber(c.text, c.point), c.value) << c.text;
}

TEST(LeadingNumber, SurvivesAbsurdlyLongDigitRuns) {
    EXPECT_TRUE(std::isinf(leadingNumber(std::string(400, '9'))));
    EXPECT_EQ(leadingNumber("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_FALSE(std::signbit(leadingNumber("-0")));
}

} // namespace
