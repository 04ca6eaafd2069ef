#pragma once
// Decimal digit strings for rounding without binary surprises. A number is held as its sign,
// its significant digits and the count of those digits that stand before the decimal point
// (which may be negative or exceed the digit count). Rounding then works on the digits the
// user would read, so 1.005 rounds to 1.01 although the nearest double lies just below.
// Private to the common library.
#include <charconv>
#include <cstdint>
#include <string>

namespace decimal {

struct Digits {
    bool negative = false;
    std::string digits; // significant digits, no sign, no point; "" means zero
    int intDigits = 0;  // digits before the point: value = 0.<digits> * 10^intDigits
};

// A rounded fixed-point result: `whole` without leading zeros ("" for zero), `fraction`
// exactly as many digits as asked for.
struct Fixed {
    bool negative = false;
    std::string whole;
    std::string fraction;
    bool isZero() const {
        return whole.empty() && fraction.find_first_not_of('0') == std::string::npos;
    }
};

// Parses the scientific text std::to_chars writes ("-1.2345e+05").
inline Digits fromScientific(const char* first, const char* last) {
    Digits d;
    const char* p = first;
    if (p != last && *p == '-') {
        d.negative = true;
        ++p;
    }
    while (p != last && *p != 'e') {
        if (*p >= '0' && *p <= '9')
            d.digits.push_back(*p);
        ++p;
    }
    int exponent = 0;
    if (p != last)
        std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), last, exponent);
    d.intDigits = exponent + 1;
    const auto firstNonZero = d.digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos) {
        d.digits.clear();
        d.intDigits = 0;
    } else {
        d.digits.erase(0, firstNonZero);
        d.intDigits -= static_cast<int>(firstNonZero);
        d.digits.erase(d.digits.find_last_not_of('0') + 1);
    }
    return d;
}

// A finite double by its 15-significant-digit decimal form (the digits a user is shown).
inline Digits fromDouble15(double value) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    return fromScientific(buf, r.ptr);
}

// A count of ten-thousandths, exactly.
inline Digits fromTenThousandths(std::int64_t raw) {
    Digits d;
    d.negative = raw < 0;
    // Magnitude as unsigned so the most negative value has one too.
    const std::uint64_t magnitude =
        d.negative ? 0 - static_cast<std::uint64_t>(raw) : static_cast<std::uint64_t>(raw);
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, magnitude);
    d.digits.assign(buf, r.ptr);
    d.intDigits = static_cast<int>(d.digits.size()) - 4;
    if (magnitude == 0) {
        d.digits.clear();
        d.intDigits = 0;
    }
    return d;
}

// Rounds to `places` decimals, halves away from zero.
inline Fixed roundTo(const Digits& d, int places) {
    Fixed f;
    f.negative = d.negative;
    const int keep = d.intDigits + places; // digits kept from the front of d.digits
    std::string kept;
    bool roundUp = false;
    if (keep < 0 || d.digits.empty()) {
        kept.clear();
    } else if (keep >= static_cast<int>(d.digits.size())) {
        kept = d.digits + std::string(static_cast<std::size_t>(keep) - d.digits.size(), '0');
    } else {
        kept = d.digits.substr(0, static_cast<std::size_t>(keep));
        roundUp = d.digits[static_cast<std::size_t>(keep)] >= '5';
    }
    int intDigits = d.intDigits;
    if (roundUp) {
        int i = static_cast<int>(kept.size()) - 1;
        while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9')
            kept[static_cast<std::size_t>(i--)] = '0';
        if (i >= 0) {
            ++kept[static_cast<std::size_t>(i)];
        } else {
            kept.insert(kept.begin(), '1');
            ++intDigits;
        }
    }
    // kept now holds intDigits + places digits (or is empty when everything rounded away,
    // or when the value lies entirely below the last kept place).
    const int total = intDigits + places;
    if (static_cast<int>(kept.size()) < total)
        kept.insert(0, static_cast<std::size_t>(total) - kept.size(), '0');
    if (total <= 0)
        kept.clear();
    // Split into whole part and fraction; pad the fraction on the left when the value is small.
    std::string fraction;
    if (static_cast<int>(kept.size()) >= places) {
        f.whole = kept.substr(0, kept.size() - static_cast<std::size_t>(places));
        fraction = kept.substr(kept.size() - static_cast<std::size_t>(places));
    } else {
        fraction = std::string(static_cast<std::size_t>(places) - kept.size(), '0') + kept;
    }
    const auto nonZero = f.whole.find_first_not_of('0');
    f.whole.erase(0, nonZero == std::string::npos ? f.whole.size() : nonZero);
    f.fraction = std::move(fraction);
    if (f.isZero())
        f.negative = false;
    return f;
}

} // namespace decimal
