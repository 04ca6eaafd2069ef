#include "BankText.h"

#include <cstdint>
#include <filesystem>
#include <limits>

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The digits and separators of an amount, with the signs, parentheses and currency marks
// around them taken off.
struct AmountCore {
    std::string_view digits;
    bool negative = false;
    bool valid = true;
};

bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Bytes that are taken off the ends of an amount: blanks, signs, currency symbols and codes
// (any character beyond ASCII counts as a symbol).
bool isWrapping(char c) {
    return c == ' ' || c == '\t' || c == '$' || c == '+' || c == '-' || c == '(' || c == ')' ||
           isLetter(c) || static_cast<unsigned char>(c) >= 0x80;
}

// U+2212, the minus of typeset figures.
constexpr std::string_view MinusSign = "\xE2\x88\x92";

AmountCore coreOf(std::string_view text) {
    AmountCore core;
    bool open = false, close = false;
    std::size_t begin = 0, end = text.size();
    for (; begin < end && isWrapping(text[begin]); ++begin) {
        if (text[begin] == '-' || text.substr(begin, 3) == MinusSign)
            core.negative = true;
        if (text[begin] == '(')
            open = true;
        if (text[begin] == ')')
            core.valid = false;
    }
    for (; end > begin && isWrapping(text[end - 1]); --end) {
        if (text[end - 1] == '-' || (end - begin >= 3 && text.substr(end - 3, 3) == MinusSign))
            core.negative = true;
        if (text[end - 1] == ')')
            close = true;
        if (text[end - 1] == '(')
            core.valid = false;
    }
    if (open != close)
        core.valid = false;
    core.negative = core.negative || open;
    core.digits = text.substr(begin, end - begin);
    return core;
}

// A non-breaking space (U+00A0) or a narrow one (U+202F) at `pos`: its length, else 0.
std::size_t wideBlankAt(std::string_view text, std::size_t pos) {
    if (text.substr(pos, 2) == "\xC2\xA0")
        return 2;
    if (text.substr(pos, 3) == "\xE2\x80\xAF")
        return 3;
    return 0;
}

} // namespace

Failure bankFileFailure(const std::string& fileName, int line, std::string_view what) {
    std::string text = std::filesystem::path(fileName).filename().string();
    text += ", line ";
    text += std::to_string(line);
    text += ": ";
    text += what;
    return Failure{13, text};
}

std::string_view trimmedField(std::string_view text) {
    constexpr std::string_view blanks = " \t\r\n";
    while (!text.empty() && blanks.find(text.front()) != std::string_view::npos)
        text.remove_prefix(1);
    while (!text.empty() && blanks.find(text.back()) != std::string_view::npos)
        text.remove_suffix(1);
    return text;
}

void DecimalMarkVote::see(std::string_view text) {
    const std::string_view digits = coreOf(text).digits;
    const std::size_t last = digits.find_last_of(".,");
    if (last == std::string_view::npos)
        return;
    const std::size_t after = digits.size() - last - 1;
    if (after < 1 || after > 2 ||
        digits.find_first_not_of("0123456789", last + 1) != std::string_view::npos)
        return;
    (digits[last] == ',' ? comma_ : period_) = true;
}

AmountRead readBankAmount(std::string_view text, char decimalMark) {
    const AmountCore core = coreOf(trimmedField(text));
    if (!core.valid)
        return {{}, AmountError::NotANumber};
    const std::string_view s = core.digits;
    if (s.empty())
        return {{},
                text.find_first_not_of(" \t\r") == std::string_view::npos
                    ? AmountError::Empty
                    : AmountError::NotANumber};
    constexpr auto Max = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    std::uint64_t whole = 0;
    bool tooLarge = false;
    int groupDigits = -1; // digits since the last group separator; -1: none seen yet
    int wholeDigits = 0;
    std::size_t pos = 0;
    for (; pos < s.size() && s[pos] != decimalMark; ++pos) {
        const char c = s[pos];
        if (isDigit(c)) {
            if (whole > Max / 10)
                tooLarge = true;
            whole = whole * 10 + static_cast<std::uint64_t>(c - '0');
            ++wholeDigits;
            if (groupDigits >= 0)
                ++groupDigits;
            continue;
        }
        const std::size_t wide = wideBlankAt(s, pos);
        const bool separator = wide > 0 || c == ' ' || c == '\'' || c == '.' || c == ',';
        // A group separator follows a digit and is followed by exactly three more.
        if (!separator || wholeDigits == 0 || groupDigits == 0 ||
            (groupDigits > 0 && groupDigits != 3))
            return {{}, AmountError::NotANumber};
        groupDigits = 0;
        if (wide > 0)
            pos += wide - 1;
    }
    if (groupDigits >= 0 && groupDigits != 3)
        return {{}, AmountError::NotANumber};
    std::uint64_t fraction = 0;
    int fractionDigits = 0;
    bool roundUp = false;
    if (pos < s.size()) {
        ++pos;
        if (pos == s.size() && wholeDigits == 0)
            return {{}, AmountError::NotANumber};
        for (; pos < s.size(); ++pos) {
            if (!isDigit(s[pos]))
                return {{}, AmountError::NotANumber};
            if (fractionDigits < 4)
                fraction = fraction * 10 + static_cast<std::uint64_t>(s[pos] - '0');
            else if (fractionDigits == 4)
                roundUp = s[pos] >= '5';
            ++fractionDigits;
        }
    } else if (wholeDigits == 0) {
        return {{}, AmountError::NotANumber};
    }
    for (int i = fractionDigits; i < 4; ++i)
        fraction *= 10;
    const std::uint64_t scale = static_cast<std::uint64_t>(Currency::Scale);
    if (tooLarge || whole > (Max - fraction - (roundUp ? 1 : 0)) / scale)
        return {{}, AmountError::TooLarge};
    const auto raw = static_cast<std::int64_t>(whole * scale + fraction + (roundUp ? 1 : 0));
    return {Currency::fromRaw(core.negative ? -raw : raw), AmountError::None};
}

std::string amountProblem(AmountError error) {
    switch (error) {
    case AmountError::Empty:
        return "no amount";
    case AmountError::TooLarge:
        return "an amount beyond the largest the program can hold";
    default:
        return "an amount that is not a number";
    }
}
