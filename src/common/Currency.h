#pragma once
// Fixed-point money: a signed 64-bit count of ten-thousandths. Arithmetic is checked;
// a result that does not fit is reported as an empty optional, never wraps.
#include <compare>
#include <cstdint>
#include <optional>
#include <string>

class Currency {
  public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Currency() = default;
    static constexpr Currency fromRaw(std::int64_t tenThousandths) {
        return Currency(tenThousandths);
    }
    static constexpr Currency fromWhole(std::int32_t units) {
        return Currency(std::int64_t{units} * Scale);
    }
    // The double's exact value rounded to the nearest ten-thousandth, ties to even. Empty
    // for NaN, infinities and values outside the representable range.
    static std::optional<Currency> fromDouble(double value);
    // Like fromDouble, but NaN/out-of-range values throw std::overflow_error; for engine
    // loops that report any arithmetic fault as one failure.
    static Currency fromDoubleOrThrow(double value);

    constexpr std::int64_t raw() const { return raw_; }
    double toDouble() const;
    constexpr bool isZero() const { return raw_ == 0; }

    constexpr std::optional<Currency> plus(Currency other) const {
        std::int64_t sum = 0;
        if (__builtin_add_overflow(raw_, other.raw_, &sum))
            return std::nullopt;
        return Currency(sum);
    }
    constexpr std::optional<Currency> minus(Currency other) const {
        std::int64_t difference = 0;
        if (__builtin_sub_overflow(raw_, other.raw_, &difference))
            return std::nullopt;
        return Currency(difference);
    }
    // Product rounded to the nearest ten-thousandth.
    std::optional<Currency> times(Currency other) const;
    // Throwing forms of the above (std::overflow_error).
    Currency add(Currency other) const {
        const auto r = plus(other);
        if (!r)
            overflows("currency addition overflows");
        return *r;
    }
    Currency sub(Currency other) const {
        const auto r = minus(other);
        if (!r)
            overflows("currency subtraction overflows");
        return *r;
    }

    // Shortest plain decimal form with a period: "1234.5", "-0.0001", "0".
    std::string toPlainString() const;

    friend constexpr auto operator<=>(Currency, Currency) = default;
    friend constexpr bool operator==(Currency, Currency) = default;

  private:
    constexpr explicit Currency(std::int64_t raw) : raw_(raw) {}
    [[noreturn]] static void overflows(const char* what);
    std::int64_t raw_ = 0;
};
