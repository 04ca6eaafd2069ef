#include <gtest/gtest.h>

#include "Dates.h"

namespace {

// Day numbers cross-checked with Python: (date(Y, M, D) - date(1899, 12, 30)).days
struct KnownDay {
    const char* name;
    int year, month, day;
    int serial;
};

const KnownDay knownDays[] = {
    {"first day of 1900 is day 2", 1900, 1, 1, 2},
    {"the epoch itself", 1899, 12, 30, 0},
    {"last day of 1999", 1999, 12, 31, 36525},
    {"leap day of the centennial 2000 is skipped over", 2000, 3, 1, 36586},
    {"leap day 2024", 2024, 2, 29, 45351},
    {"first payment of the example files", 2027, 1, 1, 46388},
    {"mid January 2027", 2027, 1, 15, 46402},
};

TEST(DateSerial, MatchesKnownDayNumbersBothWays) {
    for (const auto& k : knownDays) {
        SCOPED_TRACE(k.name);
        EXPECT_EQ(dateSerial(k.year, k.month, k.day), k.serial);
        int y = 0, m = 0, d = 0;
        dateParts(k.serial, y, m, d);
        EXPECT_EQ(y, k.year);
        EXPECT_EQ(m, k.month);
        EXPECT_EQ(d, k.day);
    }
}

TEST(DateSerial, OutOfRangeMonthsAndDaysRollOver) {
    EXPECT_EQ(dateSerial(2027, 13, 1), dateSerial(2028, 1, 1));
    EXPECT_EQ(dateSerial(2027, 0, 1), dateSerial(2026, 12, 1));
    EXPECT_EQ(dateSerial(2027, 3, 0), dateSerial(2027, 2, 28));
    EXPECT_EQ(dateSerial(2024, 2, 30), dateSerial(2024, 3, 1));
}

TEST(AddMonths, KeepsTheDayOrFallsBackToTheMonthsLastDay) {
    struct Case {
        const char* name;
        int from;
        int months;
        int expected;
    } cases[] = {
        {"plain step", dateSerial(2027, 1, 15), 1, dateSerial(2027, 2, 15)},
        {"31 Jan to short February", dateSerial(2027, 1, 31), 1, dateSerial(2027, 2, 28)},
        {"31 Jan to leap February", dateSerial(2024, 1, 31), 1, dateSerial(2024, 2, 29)},
        {"across the year end", dateSerial(2027, 11, 30), 3, dateSerial(2028, 2, 29)},
        {"backwards", dateSerial(2027, 3, 31), -1, dateSerial(2027, 2, 28)},
        {"twelve months a year for 40 years", dateSerial(2027, 1, 1), 480, dateSerial(2067, 1, 1)},
        {"zero months", dateSerial(2027, 5, 31), 0, dateSerial(2027, 5, 31)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(addMonths(c.from, c.months), c.expected);
    }
}

TEST(AddDays, StepsOverMonthAndYearEnds) {
    EXPECT_EQ(addDays(dateSerial(2027, 12, 25), 14), dateSerial(2028, 1, 8));
    EXPECT_EQ(addDays(dateSerial(2024, 2, 22), 7), dateSerial(2024, 2, 29));
}

TEST(IsoDate, PadsMonthAndDay) {
    EXPECT_EQ(isoDate(46388), "2027-01-01");
    EXPECT_EQ(isoDate(dateSerial(2031, 11, 9)), "2031-11-09");
    EXPECT_EQ(isoDate(2), "1900-01-01");
}

TEST(ParseDateText, AcceptsIsoAndMonthDayYearForms) {
    struct Case {
        const char* text;
        int expected;
    } cases[] = {
        {"2027-01-15", dateSerial(2027, 1, 15)},
        {"2027-1-5", dateSerial(2027, 1, 5)},
        {" 2027-01-15 ", dateSerial(2027, 1, 15)},
        {"1/15/2027", dateSerial(2027, 1, 15)},
        {"01/15/2027", dateSerial(2027, 1, 15)},
        {"1/15/27", dateSerial(2027, 1, 15)},
        {"12/31/29", dateSerial(2029, 12, 31)},  // 00-29: this century
        {"1/1/30", dateSerial(1930, 1, 1)},      // 30-99: the last one
        {"2/29/2024", dateSerial(2024, 2, 29)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        auto parsed = parseDateText(c.text);
        ASSERT_TRUE(parsed.has_value());
        EXPECT_EQ(*parsed, c.expected);
    }
}

TEST(ParseDateText, RefusesTextsThatAreNotDates) {
    const char* refused[] = {"",          "abc",        "2027-02-30", "2/29/2023", "13/1/2027",
                             "0/1/2027",  "1/0/2027",   "1/15/202",   "1/15",      "2027-01-15x",
                             "2027/01/15", "1-15-2027", "123/1/2027", "2027-001-01"};
    for (const char* text : refused) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(parseDateText(text).has_value());
    }
}

TEST(ParseDateText, RoundTripsThroughIsoDate) {
    for (int serial = dateSerial(2023, 12, 20); serial < dateSerial(2024, 3, 10); ++serial) {
        auto parsed = parseDateText(isoDate(serial));
        ASSERT_TRUE(parsed.has_value()) << isoDate(serial);
        EXPECT_EQ(*parsed, serial);
    }
}

} // namespace
