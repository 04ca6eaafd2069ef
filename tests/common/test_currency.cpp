// Fixed-point money: conversion from doubles and checked arithmetic.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

#include "Currency.h"
#include "NumberFormat.h"

using Raw = std::numeric_limits<std::int64_t>;

// The double's exact binary value times 10,000, ties to even; a number pattern instead rounds
// the 15-digit decimal form, and the two differ near ties: 2257.55984999999964202... (its
// 15-digit form 2257.55985) is 2,257.5598 as money and prints 2257.55985.
TEST(Currency, FromDoubleRoundsTheExactBinaryValueTiesToEven) {
    const double below = 2257.5598499999996;
    EXPECT_EQ(formatNumber(below, "0.########"), "2257.55985");
    EXPECT_EQ(Currency::fromDouble(below).value().raw(), 22575598);
    EXPECT_EQ(Currency::fromDouble(std::nextafter(below, 1e9)).value().raw(), 22575599);
    EXPECT_EQ(Currency::fromDouble(-0.03125).value().raw(), -312); // exactly -312.5: to even
    EXPECT_EQ(Currency::fromDouble(-922337203685477.5).value().raw(), -9223372036854775000);
    const double inf = std::numeric_limits<double>::infinity();
    // 922337203685477.625, the next double, is 9,223,372,036,854,776,250 ten-thousandths.
    for (double v : {std::nan(""), inf, -inf, 922337203685477.625, -922337203685477.625, 1e300}) {
        EXPECT_FALSE(Currency::fromDouble(v)) << v;
        EXPECT_THROW(Currency::fromDoubleOrThrow(v), std::overflow_error) << v;
    }
}

TEST(Currency, ArithmeticRoundsAndDetectsOverflow) {
    const Currency max = Currency::fromRaw(Raw::max()), min = Currency::fromRaw(Raw::min());
    const Currency tick = Currency::fromRaw(1);
    EXPECT_EQ(Currency::fromWhole(7).minus(Currency::fromWhole(9))->raw(), -20000);
    EXPECT_EQ(max.sub(tick).add(tick).raw(), Raw::max());
    EXPECT_FALSE(max.plus(tick) || min.minus(tick) || Currency{}.minus(min));
    EXPECT_THROW(max.add(tick), std::overflow_error);
    EXPECT_THROW(min.sub(tick), std::overflow_error);
    // 1.5 x 0.0001 = 0.00015: half of the last place, away from zero; 0.00014 goes down.
    EXPECT_EQ(Currency::fromRaw(15000).times(tick)->raw(), 2);
    EXPECT_EQ(Currency::fromRaw(-15000).times(tick)->raw(), -2);
    EXPECT_EQ(Currency::fromRaw(14000).times(tick)->raw(), 1);
    // The intermediate product exceeds 64 bits, the result does not.
    EXPECT_EQ(Currency::fromWhole(900000000).times(Currency::fromWhole(1000000))->raw(),
              9000000000000000000);
    EXPECT_FALSE(Currency::fromWhole(-1000000000).times(Currency::fromWhole(1000000)));
}
