// Fixed-point money: conversion from doubles and checked arithmetic.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>

#include "Currency.h"
#include "NumberFormat.h"

using Raw = std::numeric_limits<std::int64_t>;

namespace {

// The conversion done differently: in quadruple precision, where the double times 10,000 is
// exact (53 + 14 bits), rounded to the nearest whole number by hand, ties to even.
std::optional<std::int64_t> referenceRaw(double value) {
    const __float128 scaled = __float128(value) * 10000;
    if (!(scaled > -__float128(0x1p64) && scaled < __float128(0x1p64)))
        return std::nullopt;                        // NaN, infinities and far beyond 64 bits
    __int128 whole = static_cast<__int128>(scaled); // toward zero
    const __float128 rest = scaled - __float128(whole);
    if (rest > 0.5 || (rest == 0.5 && whole % 2 != 0))
        ++whole;
    else if (rest < -0.5 || (rest == -0.5 && whole % 2 != 0))
        --whole;
    if (whole > Raw::max() || whole < Raw::min())
        return std::nullopt;
    return static_cast<std::int64_t>(whole);
}

} // namespace

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
    EXPECT_EQ(Currency::fromDoubleOrThrow(12.5).raw(), 125000);
}

TEST(Currency, FromDoubleAgreesWithAQuadruplePrecisionReference) {
    const auto seed = std::random_device{}();
    std::mt19937_64 random(seed);
    std::uniform_int_distribution<std::uint64_t> bits;
    int mismatches = 0;
    for (int i = 0; i < 1'000'000 && mismatches < 5; ++i) {
        const std::uint64_t r = bits(random), choice = bits(random);
        double value = 0;
        if (i % 4 == 0) { // any magnitude from 2^-40 to 2^52: the out-of-range end included
            value = std::ldexp(1.0 + double(r >> 11) * 0x1p-53, int(r % 93) - 40);
        } else if (i % 4 == 1) { // on or a step beside a tie of the fourth decimal
            const double tie = (double(r % 100'000'000'000) + 0.5) / 1e4;
            value = (choice & 2) ? tie : std::nextafter(tie, (choice & 1) ? 1e300 : -1e300);
        } else if (i % 4 == 2) { // an exact binary tie: k / 2^5 and beyond
            value = std::ldexp(double(r % 1'000'000'000), -int(5 + choice % 20));
        } else { // any finite bit pattern
            std::memcpy(&value, &r, sizeof value);
            value = std::isfinite(value) ? value : 0;
        }
        value = (choice & 4) ? -value : value;
        const auto expected = referenceRaw(value);
        const auto actual = Currency::fromDouble(value);
        if (expected.has_value() != actual.has_value() || (actual && actual->raw() != *expected)) {
            ++mismatches;
            ADD_FAILURE() << "seed " << seed << ": " << std::hexfloat << value;
        }
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
