#include "NumberFormat.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>

#include "Currency.h"
#include "DecimalDigits.h"

namespace {

struct PatternRule {
    std::string_view pattern;
    bool grouped;     // thousands separators
    int places;       // decimals after rounding
    bool trimZeros;   // drop trailing zeros of the decimals (and then a bare point)
    bool leadingZero; // a 0 before the point when the whole part is 0
};

constexpr PatternRule Rules[] = {
    {"###,,###.00", true, 2, false, false}, {"####,,###.00", true, 2, false, false},
    {"##,,###.00", true, 2, false, false},  {"###,###.00", true, 2, false, false},
    {"####,,##0.00", true, 2, false, true}, {"###.00", false, 2, false, false},
    {"###.000", false, 3, false, false},    {"###.##", false, 2, true, false},
    {"###", false, 0, false, false},        {"##", false, 0, false, false},
    {"####", false, 0, false, false},       {"0.########", false, 8, true, true},
};

const PatternRule& ruleFor(std::string_view pattern) {
    for (const auto& rule : Rules)
        if (rule.pattern == pattern)
            return rule;
    throw std::invalid_argument("unknown number pattern: " + std::string(pattern));
}

std::string groupThousands(const std::string& whole, const std::string& separator) {
    std::string out;
    out.reserve(whole.size() + whole.size() / 3 * separator.size());
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0)
            out += separator;
        out += whole[i];
    }
    return out;
}

std::string render(const decimal::Digits& digits, const PatternRule& rule,
                   const NumberSeparators& seps) {
    decimal::Fixed fixed = decimal::roundTo(digits, rule.places);
    if (rule.trimZeros)
        fixed.fraction.erase(fixed.fraction.find_last_not_of('0') + 1);
    std::string whole = rule.grouped ? groupThousands(fixed.whole, seps.thousands) : fixed.whole;
    if (whole.empty() && rule.leadingZero)
        whole = "0";
    std::string out = fixed.negative ? "-" : "";
    out += whole;
    if (!fixed.fraction.empty())
        out += seps.decimalPoint + fixed.fraction;
    return out;
}

} // namespace

std::string formatNumber(double value, std::string_view pattern, const NumberSeparators& seps) {
    const PatternRule& rule = ruleFor(pattern);
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Infinity" : "Infinity";
    return render(decimal::fromDouble15(value), rule, seps);
}

namespace {

constexpr std::uint64_t PowersOfTen[] = {1, 10, 100, 1000, 10000};

// The patterns of at most four decimals, straight from the ten-thousandths in integers: the
// same text the digit-string rendering gives, without its intermediate strings.
std::string renderTenThousandths(std::int64_t raw, const PatternRule& rule,
                                 const NumberSeparators& seps) {
    const std::uint64_t magnitude =
        raw < 0 ? 0 - static_cast<std::uint64_t>(raw) : static_cast<std::uint64_t>(raw);
    const std::uint64_t step = PowersOfTen[4 - rule.places];
    const std::uint64_t rounded =
        magnitude / step + (magnitude % step >= step / 2 && step > 1 ? 1 : 0);
    const std::uint64_t wholePart = rounded / PowersOfTen[rule.places];
    const std::uint64_t fractionPart = rounded % PowersOfTen[rule.places];

    char digits[24];
    const std::size_t wholeDigits =
        wholePart == 0 ? 0
                       : static_cast<std::size_t>(
                             std::to_chars(digits, digits + sizeof digits, wholePart).ptr - digits);
    char fraction[4];
    int fractionDigits = rule.places;
    for (int i = rule.places - 1, rest = static_cast<int>(fractionPart); i >= 0; --i, rest /= 10)
        fraction[i] = static_cast<char>('0' + rest % 10);
    if (rule.trimZeros)
        while (fractionDigits > 0 && fraction[fractionDigits - 1] == '0')
            --fractionDigits;

    std::string out;
    out.reserve(wholeDigits + wholeDigits / 3 * seps.thousands.size() + seps.decimalPoint.size() +
                6);
    if (raw < 0 && rounded != 0)
        out += '-';
    for (std::size_t i = 0; i < wholeDigits; ++i) {
        if (rule.grouped && i > 0 && (wholeDigits - i) % 3 == 0)
            out += seps.thousands;
        out += digits[i];
    }
    if (wholeDigits == 0 && rule.leadingZero)
        out += '0';
    if (fractionDigits > 0) {
        out += seps.decimalPoint;
        out.append(fraction, static_cast<std::size_t>(fractionDigits));
    }
    return out;
}

} // namespace

std::string formatNumber(Currency value, std::string_view pattern, const NumberSeparators& seps) {
    const PatternRule& rule = ruleFor(pattern);
    if (rule.places <= 4)
        return renderTenThousandths(value.raw(), rule, seps);
    return render(decimal::fromTenThousandths(value.raw()), rule, seps);
}

int charCount(std::string_view text) {
    int count = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80)
            ++count;
    return count;
}

std::string_view withoutBlanks(std::string_view text, std::string_view blanks) {
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::string_view firstChars(std::string_view text, int chars) {
    std::size_t i = 0;
    int seen = 0;
    while (i < text.size()) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (seen == chars)
                break;
            ++seen;
        }
        ++i;
    }
    return text.substr(0, i);
}

std::string RightAlign(std::string_view text, int width) {
    if (width <= 0)
        return {};
    const int length = charCount(text);
    if (length >= width)
        return std::string(firstChars(text, width));
    std::string out;
    out.reserve(static_cast<std::size_t>(width - length) + text.size());
    out.append(static_cast<std::size_t>(width - length), ' ');
    out.append(text);
    return out;
}

double leadingNumber(std::string_view text, std::string_view decimalPoint) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && text[i] == '-') {
        negative = true;
        ++i;
    }
    auto isDigit = [&](std::size_t k) {
        return k < text.size() && text[k] >= '0' && text[k] <= '9';
    };
    std::string whole;
    std::string fraction;
    while (isDigit(i))
        whole += text[i++];
    if (!decimalPoint.empty() && text.substr(i, decimalPoint.size()) == decimalPoint) {
        i += decimalPoint.size();
        while (isDigit(i))
            fraction += text[i++];
    }
    if (whole.empty() && fraction.empty())
        return 0.0;
    const std::string normal =
        (whole.empty() ? "0" : whole) + "." + (fraction.empty() ? "0" : fraction);
    double value = 0.0;
    const auto r = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (r.ec == std::errc::result_out_of_range) {
        // Too many digits for a double: huge when there is a whole part, otherwise tiny.
        const bool huge = whole.find_first_not_of('0') != std::string::npos;
        value = huge ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative && value != 0.0 ? -value : value;
}
