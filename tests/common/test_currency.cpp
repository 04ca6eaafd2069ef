// Fixed-point money: conversion from doubles, checked arithmetic and the plain text form.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

#include "Currency.h"

using Raw = std::numeric_limits<std::int64_t>;

TEST(Currency, FromDoubleRoundsHalvesAwayFromZeroAndRefusesWhatDoesNotFit) {
    // Hand-worked: value x 10,000, the fifth decimal decides (1.00005 is stored just below).
    const struct { double value; std::int64_t raw; } cases[] = {
        {0.00004, 0}, {0.00005, 1}, {-0.00005, -1}, {1.00005, 10001}, {-1.00005, -10001}, {1234.56789, 12345679},
        {0.1 + 0.2, 3000}, {123456789012.3456, 1234567890123456}, {-922337203685477.0, -9223372036854770000}};
    for (const auto& c : cases)
        EXPECT_EQ(Currency::fromDouble(c.value).value_or(Currency::fromRaw(Raw::min())).raw(), c.raw) << c.value;
    const double inf = std::numeric_limits<double>::infinity();
    for (double v : {std::nan(""), inf, -inf, 922337203685478.0, -922337203685478.0, 1e300}) {
        EXPECT_FALSE(Currency::fromDouble(v)) << v;
        EXPECT_THROW(Currency::fromDoubleOrThrow(v), std::overflow_error) << v;
    }
    EXPECT_EQ(Currency::fromDoubleOrThrow(12.5).raw(), 125000);
    EXPECT_DOUBLE_EQ(Currency::fromRaw(-12345).toDouble(), -1.2345);
}

TEST(Currency, ArithmeticRoundsAndDetectsOverflow) {
    const Currency max = Currency::fromRaw(Raw::max()), min = Currency::fromRaw(Raw::min());
    const Currency tick = Currency::fromRaw(1);
    EXPECT_EQ(Currency::fromWhole(7).plus(tick)->raw(), 70001);
    EXPECT_EQ(Currency::fromWhole(7).minus(Currency::fromWhole(9))->raw(), -20000);
    EXPECT_EQ(max.sub(tick).raw(), Raw::max() - 1);
    EXPECT_EQ(min.add(tick).raw(), Raw::min() + 1);
    EXPECT_FALSE(max.plus(tick) || min.minus(tick) || Currency{}.minus(min));
    EXPECT_THROW(max.add(tick), std::overflow_error);
    EXPECT_THROW(min.sub(tick), std::overflow_error);
    // 1.5 x 0.0001 = 0.00015: half of the last place, away from zero; 0.00014 goes down.
    EXPECT_EQ(Currency::fromRaw(15000).times(tick)->raw(), 2);
    EXPECT_EQ(Currency::fromRaw(-15000).times(tick)->raw(), -2);
    EXPECT_EQ(Currency::fromRaw(14000).times(tick)->raw(), 1);
    EXPECT_EQ(Currency::fromRaw(12345600).times(Currency::fromWhole(12))->raw(), 148147200);  // 1,234.56 x 12
    // The intermediate product exceeds 64 bits, the result does not.
    EXPECT_EQ(Currency::fromWhole(900000000).times(Currency::fromWhole(1000000))->raw(), 9000000000000000000);
    EXPECT_FALSE(Currency::fromWhole(1000000000).times(Currency::fromWhole(1000000)));
    EXPECT_FALSE(Currency::fromWhole(-1000000000).times(Currency::fromWhole(1000000)));
}

TEST(Currency, PlainTextIsShortestWithAPeriod) {
    const struct { std::int64_t raw; const char* text; } cases[] = {
        {12345000, "1234.5"}, {1, "0.0001"}, {-1, "-0.0001"}, {-120000, "-12"}, {0, "0"}, {100100, "10.01"},
        {Raw::max(), "922337203685477.5807"}, {Raw::min(), "-922337203685477.5808"}};
    for (const auto& c : cases) EXPECT_EQ(Currency::fromRaw(c.raw).toPlainString(), c.text) << c.raw;
}
