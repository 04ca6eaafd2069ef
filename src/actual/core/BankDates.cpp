#include "BankDates.h"

#include <string>
#include <utility>

#include "Dates.h"

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A run of digits at `pos`: its value and length; advances `pos`.
int readNumber(const std::string& text, std::size_t& pos, int& length) {
    int value = 0;
    length = 0;
    while (pos < text.size() && isDigit(text[pos]) && length < 9) {
        value = value * 10 + (text[pos] - '0');
        ++pos;
        ++length;
    }
    return value;
}

bool isSeparator(char c) {
    return c == '/' || c == '.' || c == '-';
}

// The text without blanks and without a time of day ("2025-03-04T10:15", "3/4/2025 10:15").
std::string compacted(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon != std::string_view::npos) {
        const std::size_t cut = text.find_last_of(" \tT", colon);
        if (cut == std::string_view::npos)
            return {};
        text = text.substr(0, cut);
    }
    std::string out;
    for (char c : text)
        if (c != ' ' && c != '\t')
            out.push_back(c);
    return out;
}

} // namespace

std::optional<BankDateText> splitBankDate(std::string_view raw) {
    const std::string text = compacted(raw);
    if (text.size() == 8 && text.find_first_not_of("0123456789") == std::string::npos) {
        const int n = std::stoi(text);
        return BankDateText{n / 10000, n / 100 % 100, n % 100, true};
    }
    std::size_t pos = 0;
    int numbers[3] = {};
    int lengths[3] = {};
    bool apostrophe = false;
    for (int i = 0; i < 3; ++i) {
        if (i > 0) {
            if (pos >= text.size())
                return std::nullopt;
            const char sep = text[pos++];
            if (!isSeparator(sep) && !(i == 2 && sep == '\''))
                return std::nullopt;
            apostrophe = sep == '\'';
        }
        numbers[i] = readNumber(text, pos, lengths[i]);
        if (lengths[i] == 0)
            return std::nullopt;
    }
    if (pos != text.size())
        return std::nullopt;

    if (lengths[0] == 4) {
        if (apostrophe || lengths[1] > 2 || lengths[2] > 2)
            return std::nullopt;
        return BankDateText{numbers[0], numbers[1], numbers[2], true};
    }
    if (lengths[0] > 2 || lengths[1] > 2)
        return std::nullopt;
    int year = numbers[2];
    if (apostrophe) {
        if (lengths[2] > 2)
            return std::nullopt;
        year += 2000;
    } else if (lengths[2] == 2) {
        year += year < 70 ? 2000 : 1900;
    } else if (lengths[2] != 4) {
        return std::nullopt;
    }
    return BankDateText{year, numbers[0], numbers[1], false};
}

bool needsDayFirst(const BankDateText& date) {
    return !date.yearFirst && date.first > 12;
}

std::optional<int> bankDateSerial(const BankDateText& date, bool dayFirst) {
    int month = date.first, day = date.second;
    if (dayFirst && !date.yearFirst)
        std::swap(month, day);
    if (date.year < 1900 || date.year > 9999 || month < 1 || month > 12 || day < 1 || day > 31)
        return std::nullopt;
    const int serial = dateSerial(date.year, month, day);
    int y = 0, m = 0, d = 0;
    dateParts(serial, y, m, d);
    if (m != month || d != day)
        return std::nullopt;
    return serial;
}
