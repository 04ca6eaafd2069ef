#include "NumberFormat.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "Currency.h"
#include "DecimalDigits.h"

namespace {

struct PatternRule {
    std::string_view pattern;
    bool grouped;       // thousands separators
    int places;         // decimals after rounding
    bool trimZeros;     // drop trailing zeros of the decimals (and then a bare point)
    bool leadingZero;   // a 0 before the point when the whole part is 0
};

constexpr PatternRule Rules[] = {
    {"###,,###.00", true, 2, false, false},
    {"####,,###.00", true, 2, false, false},
    {"##,,###.00", true, 2, false, false},
    {"###,###.00", true, 2, false, false},
    {"####,,##0.00", true, 2, false, true},
    {"###.00", false, 2, false, false},
    {"###.000", false, 3, false, false},
    {"###.##", false, 2, true, false},
    {"###", false, 0, false, false},
    {"##", false, 0, false, false},
    {"####", false, 0, false, false},
    {"0.########", false, 8, true, true},
};

const PatternRule& ruleFor(std::string_view pattern) {
    for (const auto& rule : Rules)
        if (rule.pattern == pattern) return rule;
    throw std::invalid_argument("unknown number pattern: " + std::string(pattern));
}

std::string groupThousands(const std::string& whole, const std::string& separator) {
    std::string out;
    out.reserve(whole.size() + whole.size() / 3 * separator.size());
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) out += separator;
        out += whole[i];
    }
    return out;
}

std::string render(const decimal::Digits& digits, const PatternRule& rule, const NumberSeparators& seps) {
    decimal::Fixed fixed = decimal::roundTo(digits, rule.places);
    if (rule.trimZeros) fixed.fraction.erase(fixed.fraction.find_last_not_of('0') + 1);
    std::string whole = rule.grouped ? groupThousands(fixed.whole, seps.thousands) : fixed.whole;
    if (whole.empty() && rule.leadingZero) whole = "0";
    std::string out = fixed.negative ? "-" : "";
    out += whole;
    if (!fixed.fraction.empty()) out += seps.decimalPoint + fixed.fraction;
    return out;
}

} // namespace

std::string formatNumber(double value, std::string_view pattern, const NumberSeparators& seps) {
    const PatternRule& rule = ruleFor(pattern);
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
    return render(decimal::fromDouble15(value), rule, seps);
}

std::string formatNumber(Currency value, std::string_view pattern, const NumberSeparators& seps) {
    return render(decimal::fromTenThousandths(value.raw()), ruleFor(pattern), seps);
}

int charCount(std::string_view text) {
    int count = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++count;
    return count;
}

namespace {

// Byte length of the first `chars` characters of a UTF-8 text.
std::size_t bytesOfFirstChars(std::string_view text, int chars) {
    std::size_t i = 0;
    int seen = 0;
    while (i < text.size()) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (seen == chars) break;
            ++seen;
        }
        ++i;
    }
    return i;
}

} // namespace

std::string RightAlign(std::string_view text, int width) {
    if (width <= 0) return {};
    const int length = charCount(text);
    if (length >= width) return std::string(text.substr(0, bytesOfFirstChars(text, width)));
    return std::string(static_cast<std::size_t>(width - length), ' ') + std::string(text);
}

double leadingNumber(std::string_view text, std::string_view decimalPoint) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && text[i] == '-') {
        negative = true;
        ++i;
    }
    auto isDigit = [&](std::size_t k) { return k < text.size() && text[k] >= '0' && text[k] <= '9'; };
    std::string whole;
    std::string fraction;
    while (isDigit(i)) whole += text[i++];
    if (!decimalPoint.empty() && text.substr(i, decimalPoint.size()) == decimalPoint) {
        i += decimalPoint.size();
        while (isDigit(i)) fraction += text[i++];
    }
    if (whole.empty() && fraction.empty()) return 0.0;
    const std::string normal = (whole.empty() ? "0" : whole) + "." + (fraction.empty() ? "0" : fraction);
    double value = 0.0;
    const auto r = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (r.ec == std::errc::result_out_of_range) {
        // Too many digits for a double: huge when there is a whole part, otherwise tiny.
        const bool huge = whole.find_first_not_of('0') != std::string::npos;
        value = huge ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative && value != 0.0 ? -value : value;
}
