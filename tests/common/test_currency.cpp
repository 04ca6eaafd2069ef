// Fixed-point money: conversion from doubles, checked arithmetic and the plain text form.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>

#include "Currency.h"

using Raw = std::numeric_limits<std::int64_t>;

namespace {

// A slow reference written differently from the product: the double's exact decimal expansion
// (a double with k binary fraction digits has exactly k decimal fraction digits), rounded by
// hand at the fourth decimal, ties to even.
std::optional<std::int64_t> referenceRaw(double value) {
    int exponent = 0;
    std::frexp(value, &exponent);
    const int fractionDigits = std::max(0, 53 - exponent);
    std::string text(2200, '\0');
    const auto [end, ec] = std::to_chars(text.data(), text.data() + text.size(), value,
                                         std::chars_format::fixed, fractionDigits);
    if (ec != std::errc{})
        return std::nullopt;
    text.resize(static_cast<std::size_t>(end - text.data()));
    const bool negative = text.front() == '-';
    if (negative)
        text.erase(0, 1);
    const auto point = text.find('.');
    std::string whole = text.substr(0, point);
    if (whole.size() > 16)
        return std::nullopt; // over 10^16: far beyond 2^63 ten-thousandths
    std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);
    fraction.resize(std::max<std::size_t>(fraction.size(), 4), '0');
    __int128 raw = 0;
    for (char c : whole + fraction.substr(0, 4))
        raw = raw * 10 + (c - '0');
    const std::string rest = fraction.substr(4);
    const bool aboveHalf =
        !rest.empty() &&
        (rest[0] > '5' || (rest[0] == '5' && rest.find_first_not_of('0', 1) != std::string::npos));
    const bool exactlyHalf =
        !rest.empty() && rest[0] == '5' && rest.find_first_not_of('0', 1) == std::string::npos;
    if (aboveHalf || (exactlyHalf && raw % 2 == 1))
        ++raw;
    if (negative)
        raw = -raw;
    if (raw > Raw::max() || raw < Raw::min())
        return std::nullopt;
    return static_cast<std::int64_t>(raw);
}

} // namespace

TEST(Currency, FromDoubleRoundsTheExactBinaryValueTiesToEven) {
    const double below = 2257.5598499999996; // exactly 2257.55984999999964202...
    const struct {
        double value;
        std::int64_t raw;
        const char* why;
    } cases[] = {
        {below, 22575598, "just below the tie; its 15-digit form 2257.55985 would round up"},
        {std::nextafter(below, 1e9), 22575599,
         "next double up, 2257.55985000000009677..., above the tie"},
        {-below, -22575598, "negative mirror"},
        {0.03125, 312, "exact binary tie 312.5: to even"},
        {0.09375, 938, "exact binary tie 937.5: to even"},
        {-0.03125, -312, "negative tie"},
        {-0.09375, -938, "negative tie"},
        {0.0, 0, "zero"},
        {-0.0, 0, "negative zero"},
        {1.00005, 10001, "1.00005 is stored as 1.00005000000000010551...: up"},
        {0.1 + 0.2, 3000, "0.30000000000000004"},
        {1234.56789, 12345679, "ordinary rounding up"},
        {922337203685477.5, 9223372036854775000, "largest double whose ten-thousandths fit"},
        {-922337203685477.5, -9223372036854775000, "its negative"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Currency::fromDouble(c.value).value_or(Currency::fromRaw(Raw::min())).raw(),
                  c.raw)
            << c.why;
    const double inf = std::numeric_limits<double>::infinity();
    // 922337203685477.625 is the next double: 9,223,372,036,854,776,250 ten-thousandths.
    for (double v :
         {std::nan(""), inf, -inf, 922337203685477.625, -922337203685477.625, 1e15, 1e300}) {
        EXPECT_FALSE(Currency::fromDouble(v)) << v;
        EXPECT_THROW(Currency::fromDoubleOrThrow(v), std::overflow_error) << v;
    }
    EXPECT_EQ(Currency::fromDoubleOrThrow(12.5).raw(), 125000);
    EXPECT_DOUBLE_EQ(Currency::fromRaw(-12345).toDouble(), -1.2345);
}

TEST(Currency, FromDoubleAgreesWithAnExactDecimalReference) {
    const auto seed = std::random_device{}();
    std::mt19937_64 random(seed);
    std::uniform_int_distribution<int> exponentPick(-40, 52);
    std::uniform_int_distribution<std::uint64_t> bits;
    int mismatches = 0;
    for (int i = 0; i < 1'000'000 && mismatches < 5; ++i) {
        double value = 0;
        switch (i % 4) {
        case 0: // any magnitude from 2^-40 to 2^52: the out-of-range end included
            value = std::ldexp(1.0 + static_cast<double>(bits(random) >> 11) * 0x1p-53,
                               exponentPick(random));
            break;
        case 1: { // a few ulps from a tie of the fourth decimal
            const double tie = (static_cast<double>(bits(random) % 100'000'000'000) + 0.5) / 1e4;
            value = std::nextafter(tie, (bits(random) & 1) ? 1e300 : -1e300);
            if (bits(random) & 2)
                value = tie;
            break;
        }
        case 2: // an exact binary tie: k / 2^5 etc.
            value = std::ldexp(static_cast<double>(bits(random) % 1'000'000'000),
                               -static_cast<int>(5 + bits(random) % 20));
            break;
        default: { // any bit pattern that is finite
            const std::uint64_t pattern = bits(random);
            std::memcpy(&value, &pattern, sizeof value);
            if (!std::isfinite(value))
                value = 0;
        }
        }
        if (bits(random) & 4)
            value = -value;
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
    EXPECT_EQ(Currency::fromRaw(12345600).times(Currency::fromWhole(12))->raw(),
              148147200); // 1,234.56 x 12
    // The intermediate product exceeds 64 bits, the result does not.
    EXPECT_EQ(Currency::fromWhole(900000000).times(Currency::fromWhole(1000000))->raw(),
              9000000000000000000);
    EXPECT_FALSE(Currency::fromWhole(1000000000).times(Currency::fromWhole(1000000)));
    EXPECT_FALSE(Currency::fromWhole(-1000000000).times(Currency::fromWhole(1000000)));
}

TEST(Currency, PlainTextIsShortestWithAPeriod) {
    const struct {
        std::int64_t raw;
        const char* text;
    } cases[] = {{12345000, "1234.5"},
                 {1, "0.0001"},
                 {-1, "-0.0001"},
                 {-120000, "-12"},
                 {0, "0"},
                 {100100, "10.01"},
                 {Raw::max(), "922337203685477.5807"},
                 {Raw::min(), "-922337203685477.5808"}};
    for (const auto& c : cases)
        EXPECT_EQ(Currency::fromRaw(c.raw).toPlainString(), c.text) << c.raw;
}
