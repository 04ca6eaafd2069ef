#include "Currency.h"

#include <cmath>
#include <limits>
#include <stdexcept>

#include "DecimalDigits.h"

namespace {

using Int128 = __int128;

constexpr Int128 Int64Max = std::numeric_limits<std::int64_t>::max();
constexpr Int128 Int64Min = std::numeric_limits<std::int64_t>::min();

std::optional<Currency> fromWide(Int128 raw) {
    if (raw > Int64Max || raw < Int64Min)
        return std::nullopt;
    return Currency::fromRaw(static_cast<std::int64_t>(raw));
}

} // namespace

std::optional<Currency> Currency::fromDouble(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    // Beyond 2^63 ten-thousandths nothing fits; stopping here also keeps every product below
    // inside 128 bits.
    if (std::fabs(value) >= 1e15)
        return std::nullopt;
    // The double is exactly mantissa x 2^exponent with a 53-bit whole mantissa, so
    // value x 10,000 is (mantissa x 10,000) / 2^shift: a whole number below 2^67 divided by a
    // power of two. Divide in integers and round the remainder to the nearest, ties to even.
    // No decimal string and no rounded product is involved, so the result is exact.
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(value), &exponent);
    const auto mantissa = static_cast<std::int64_t>(std::ldexp(fraction, 53));
    const int shift = 53 - exponent; // at least 3, since |value| < 1e15 < 2^50
    const Int128 scaled = Int128{mantissa} * Scale;
    Int128 quotient = 0;
    if (shift < 100) {
        quotient = scaled >> shift;
        const Int128 remainder = scaled - (quotient << shift);
        const Int128 half = Int128{1} << (shift - 1);
        if (remainder > half || (remainder == half && (quotient & 1) != 0))
            ++quotient;
    } // else: below 2^-33, far less than half a ten-thousandth
    return fromWide(std::signbit(value) ? -quotient : quotient);
}

Currency Currency::fromDoubleOrThrow(double value) {
    const auto c = fromDouble(value);
    if (!c)
        throw std::overflow_error("value does not fit in a currency amount");
    return *c;
}

double Currency::toDouble() const {
    return static_cast<double>(raw_) / static_cast<double>(Scale);
}

std::optional<Currency> Currency::times(Currency other) const {
    // Both factors carry four decimals, so the product carries eight: divide by the scale,
    // rounding halves away from zero. The 128-bit product cannot overflow.
    const Int128 product = Int128{raw_} * Int128{other.raw_};
    const Int128 magnitude = product < 0 ? -product : product;
    Int128 quotient = magnitude / Scale;
    if (magnitude % Scale >= Scale / 2)
        ++quotient;
    return fromWide(product < 0 ? -quotient : quotient);
}

void Currency::overflows(const char* what) {
    throw std::overflow_error(what);
}

std::string Currency::toPlainString() const {
    const decimal::Digits digits = decimal::fromTenThousandths(raw_);
    decimal::Fixed fixed = decimal::roundTo(digits, 4); // exact: already four decimals
    std::string out = fixed.negative ? "-" : "";
    out += fixed.whole.empty() ? "0" : fixed.whole;
    fixed.fraction.erase(fixed.fraction.find_last_not_of('0') + 1);
    if (!fixed.fraction.empty())
        out += "." + fixed.fraction;
    return out;
}
