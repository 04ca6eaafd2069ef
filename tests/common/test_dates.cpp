// Calendar dates as day numbers: conversion both ways, adding months and the accepted texts.
#include <gtest/gtest.h>

#include "Dates.h"

TEST(Dates, DayNumbersBothWays) {
    // Cross-checked with Python: (date(Y, M, D) - date(1899, 12, 30)).days
    const struct {
        int year, month, day, serial;
        const char* iso;
    } known[] = {{1899, 12, 30, 0, "1899-12-30"},
                 {1900, 1, 1, 2, "1900-01-01"},
                 {2000, 3, 1, 36586, "2000-03-01"},
                 {2024, 2, 29, 45351, "2024-02-29"},
                 {2031, 11, 9, 48161, "2031-11-09"}};
    for (const auto& k : known) {
        EXPECT_EQ(dateSerial(k.year, k.month, k.day), k.serial) << k.iso;
        int y = 0, m = 0, d = 0;
        dateParts(k.serial, y, m, d);
        EXPECT_EQ(y * 10000 + m * 100 + d, k.year * 10000 + k.month * 100 + k.day) << k.iso;
        EXPECT_EQ(isoDate(k.serial), k.iso);
        EXPECT_EQ(parseDateText(k.iso), k.serial);
    }
    EXPECT_EQ(dateSerial(2027, 13, 1), dateSerial(2028, 1, 1)); // months and days roll over
    EXPECT_EQ(dateSerial(2027, 0, 0), dateSerial(2026, 11, 30));
}

TEST(Dates, AddMonthsFallsBackToTheMonthsLastDay) {
    const struct {
        int from[3], months, to[3];
    } cases[] = {{{2027, 1, 31}, 1, {2027, 2, 28}},
                 {{2024, 1, 31}, 1, {2024, 2, 29}},
                 {{2027, 11, 30}, 3, {2028, 2, 29}},
                 {{2027, 3, 31}, -1, {2027, 2, 28}},
                 {{2027, 1, 15}, 480, {2067, 1, 15}}};
    auto serial = [](const int(&date)[3]) { return dateSerial(date[0], date[1], date[2]); };
    for (const auto& c : cases)
        EXPECT_EQ(addMonths(serial(c.from), c.months), serial(c.to)) << c.months;
}

TEST(Dates, ParsesIsoAndMonthDayYearTexts) {
    const struct {
        const char* text;
        int year, month, day;
    } accepted[] = {{"2027-1-5", 2027, 1, 5},    {" 2027-01-15 ", 2027, 1, 15},
                    {"01/15/2027", 2027, 1, 15}, {"1/15/27", 2027, 1, 15},
                    {"12/31/29", 2029, 12, 31},  {"1/1/30", 1930, 1, 1}}; // 00-29: 20xx
    for (const auto& c : accepted)
        EXPECT_EQ(parseDateText(c.text), dateSerial(c.year, c.month, c.day)) << c.text;
    for (const char* text : {"", "2027-02-30", "2/29/2023", "13/1/2027", "0/1/2027", "1/15/202",
                             "1/15", "2027-01-15x", "2027/01/15", "123/1/2027", "2027-001-01"})
        EXPECT_FALSE(parseDateText(text).has_value()) << text;
}
