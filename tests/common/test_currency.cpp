// Fixed-point money: conversion from doubles, checked arithmetic and the plain text form
// the data files hold.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>

#include "Currency.h"

namespace {

constexpr std::int64_t MaxRaw = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t MinRaw = std::numeric_limits<std::int64_t>::min();

TEST(CurrencyFromDouble, RoundsToTheNearestTenThousandthHalvesAwayFromZero) {
    struct Case {
        double value;
        std::int64_t raw;
    };
    // Hand-worked: value x 10,000, then the fifth decimal decides.
    const Case cases[] = {
        {2.5, 25000},
        {0.00004, 0},
        {0.00005, 1},        // a half of the last place goes up
        {-0.00005, -1},      // ... and down for negatives
        {1.00005, 10001},    // the double lies just below 1.00005; its decimal form does not
        {-1.00005, -10001},
        {1234.56789, 12345679},
        {0.1 + 0.2, 3000},   // 0.30000000000000004
        {-0.0, 0},
    };
    for (const auto& c : cases) {
        const auto r = Currency::fromDouble(c.value);
        ASSERT_TRUE(r.has_value()) << c.value;
        EXPECT_EQ(r->raw(), c.raw) << c.value;
    }
}

TEST(CurrencyFromDouble, KeepsFourDecimalsOfLargeAmounts) {
    // 15 significant digits would cut 123,456,789,012.3456 to three decimals.
    EXPECT_EQ(Currency::fromDouble(123456789012.3456)->raw(), 1234567890123456);
    EXPECT_EQ(Currency::fromDouble(922337203685477.0)->raw(), 9223372036854770000);
    EXPECT_EQ(Currency::fromDouble(-922337203685477.0)->raw(), -9223372036854770000);
}

TEST(CurrencyFromDouble, RefusesWhatCannotBeRepresented) {
    const double refused[] = {std::nan(""), std::numeric_limits<double>::infinity(),
                              -std::numeric_limits<double>::infinity(), 922337203685478.0, -922337203685478.0,
                              1e15, 1e300, -1e300};
    for (double v : refused) {
        EXPECT_FALSE(Currency::fromDouble(v).has_value()) << v;
        EXPECT_THROW(Currency::fromDoubleOrThrow(v), std::overflow_error) << v;
    }
    EXPECT_EQ(Currency::fromDoubleOrThrow(12.5).raw(), 125000);
}

TEST(CurrencyArithmetic, AddsAndSubtractsUntilTheRangeEnds) {
    const Currency max = Currency::fromRaw(MaxRaw);
    const Currency min = Currency::fromRaw(MinRaw);
    const Currency tick = Currency::fromRaw(1);

    EXPECT_EQ(Currency::fromWhole(7).plus(Currency::fromRaw(5))->raw(), 70005);
    EXPECT_EQ(Currency::fromWhole(7).minus(Currency::fromWhole(9))->raw(), -20000);
    EXPECT_EQ(max.minus(tick)->raw(), MaxRaw - 1);

    EXPECT_FALSE(max.plus(tick).has_value());
    EXPECT_FALSE(min.minus(tick).has_value());
    EXPECT_FALSE(Currency{}.minus(min).has_value());
    EXPECT_THROW(max.add(tick), std::overflow_error);
    EXPECT_THROW(min.sub(tick), std::overflow_error);
    EXPECT_EQ(min.add(tick).raw(), MinRaw + 1);
    EXPECT_EQ(max.sub(tick).raw(), MaxRaw - 1);
}

TEST(CurrencyArithmetic, MultipliesWithRoundingAndOverflowCheck) {
    // 1.5 x 0.0001 = 0.00015: half of the last place, away from zero.
    EXPECT_EQ(Currency::fromRaw(15000).times(Currency::fromRaw(1))->raw(), 2);
    EXPECT_EQ(Currency::fromRaw(-15000).times(Currency::fromRaw(1))->raw(), -2);
    // 1.4 x 0.0001 = 0.00014 -> 0.0001
    EXPECT_EQ(Currency::fromRaw(14000).times(Currency::fromRaw(1))->raw(), 1);
    // 1,234.56 x 12 = 14,814.72
    EXPECT_EQ(Currency::fromRaw(12345600).times(Currency::fromWhole(12))->raw(), 148147200);
    // The intermediate product exceeds 64 bits, the result does not:
    // 900,000,000 x 1,000,000 = 900,000,000,000,000 (the range ends near 922,337,203,685,477).
    EXPECT_EQ(Currency::fromWhole(900000000).times(Currency::fromWhole(1000000))->raw(), 9000000000000000000);
    EXPECT_FALSE(Currency::fromWhole(1000000000).times(Currency::fromWhole(1000000)).has_value());
    EXPECT_FALSE(Currency::fromWhole(-1000000000).times(Currency::fromWhole(1000000)).has_value());
}

TEST(CurrencyText, PlainFormIsShortestWithAPeriod) {
    struct Case {
        std::int64_t raw;
        const char* text;
    };
    const Case cases[] = {
        {12345000, "1234.5"}, {1, "0.0001"},   {-120000, "-12"},  {0, "0"},
        {-1, "-0.0001"},      {10000, "1"},    {5000, "0.5"},     {100100, "10.01"},
        {MaxRaw, "922337203685477.5807"},      {MinRaw, "-922337203685477.5808"},
    };
    for (const auto& c : cases) EXPECT_EQ(Currency::fromRaw(c.raw).toPlainString(), c.text) << c.raw;
}

TEST(CurrencyText, ConvertsToDouble) {
    EXPECT_DOUBLE_EQ(Currency::fromRaw(12345).toDouble(), 1.2345);
    EXPECT_DOUBLE_EQ(Currency::fromRaw(-5).toDouble(), -0.0005);
    EXPECT_EQ(Currency::fromDouble(Currency::fromRaw(987654321).toDouble())->raw(), 987654321);
}

} // namespace
