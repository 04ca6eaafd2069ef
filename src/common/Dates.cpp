#include "Dates.h"

#include <charconv>
#include <chrono>
#include <initializer_list>
#include <utility>

namespace {

using namespace std::chrono;

// Day 0 of our numbering: 30 Dec 1899.
constexpr sys_days Epoch = sys_days{year{1899} / December / 30};

year_month_day fromSerial(int serial) {
    return year_month_day{Epoch + days{serial}};
}
int toSerial(const year_month_day& ymd) {
    return static_cast<int>((sys_days{ymd} - Epoch).count());
}

void appendPadded(std::string& out, int value, int width) {
    char buf[16];
    bool negative = value < 0;
    unsigned magnitude =
        negative ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    auto res = std::to_chars(buf, buf + sizeof buf, magnitude);
    int len = static_cast<int>(res.ptr - buf);
    if (negative)
        out.push_back('-');
    for (int i = len; i < width; ++i)
        out.push_back('0');
    out.append(buf, res.ptr);
}

// Reads an unsigned run of 1..maxDigits digits at `pos`; advances `pos`.
std::optional<int> readDigits(std::string_view text, std::size_t& pos, int minDigits, int maxDigits,
                              int& digitCount) {
    std::size_t start = pos;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' &&
           static_cast<int>(pos - start) < maxDigits)
        ++pos;
    digitCount = static_cast<int>(pos - start);
    if (digitCount < minDigits)
        return std::nullopt;
    // A longer run of digits than allowed is not a date field.
    if (pos < text.size() && text[pos] >= '0' && text[pos] <= '9')
        return std::nullopt;
    int value = 0;
    std::from_chars(text.data() + start, text.data() + pos, value);
    return value;
}

std::optional<int> validSerial(int y, int m, int d) {
    year_month_day ymd{year{y}, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(d)}};
    if (m < 1 || m > 12 || d < 1 || d > 31 || !ymd.ok())
        return std::nullopt;
    return toSerial(ymd);
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

} // namespace

int dateSerial(int y, int m, int d) {
    // Months and days outside their range roll over into the neighbouring months and years,
    // so dateSerial(2027, 13, 1) is 1 Jan 2028 and dateSerial(2027, 3, 0) is 28 Feb 2027.
    year_month first = year{y} / January;
    first += months{m - 1};
    return toSerial(year_month_day{first / 1}) + (d - 1);
}

void dateParts(int serial, int& y, int& m, int& d) {
    year_month_day ymd = fromSerial(serial);
    y = static_cast<int>(ymd.year());
    m = static_cast<int>(static_cast<unsigned>(ymd.month()));
    d = static_cast<int>(static_cast<unsigned>(ymd.day()));
}

int addMonths(int serial, int monthCount) {
    year_month_day ymd = fromSerial(serial);
    year_month target = year_month{ymd.year(), ymd.month()} + months{monthCount};
    year_month_day_last last{target.year(), month_day_last{target.month()}};
    day wanted = ymd.day() > last.day() ? last.day() : ymd.day();
    return toSerial(year_month_day{target / wanted});
}

std::string isoDate(int serial) {
    int y = 0, m = 0, d = 0;
    dateParts(serial, y, m, d);
    std::string out;
    out.reserve(10);
    appendPadded(out, y, 4);
    out.push_back('-');
    appendPadded(out, m, 2);
    out.push_back('-');
    appendPadded(out, d, 2);
    return out;
}

namespace {
// Reads `fields` numbers of the given digit counts, separated by `sep`, that make up the
// whole text; the digit count of the last one is left in `lastDigits`.
bool readFields(std::string_view text, char sep, std::initializer_list<std::pair<int, int>> widths,
                int* out, int& lastDigits) {
    std::size_t pos = 0;
    int i = 0;
    for (const auto& [minDigits, maxDigits] : widths) {
        if (i > 0) {
            if (pos >= text.size() || text[pos] != sep)
                return false;
            ++pos;
        }
        const auto value = readDigits(text, pos, minDigits, maxDigits, lastDigits);
        if (!value)
            return false;
        out[i++] = *value;
    }
    return pos == text.size();
}
} // namespace

std::optional<int> parseDateText(std::string_view text) {
    text = trimmed(text);
    int f[3] = {};
    int digits = 0;

    // ISO: yyyy-mm-dd
    if (text.size() >= 5 && text[4] == '-') {
        if (!readFields(text, '-', {{4, 4}, {1, 2}, {1, 2}}, f, digits))
            return std::nullopt;
        return validSerial(f[0], f[1], f[2]);
    }

    // month/day/year with a two- or four-digit year
    if (!readFields(text, '/', {{1, 2}, {1, 2}, {2, 4}}, f, digits) || digits == 3)
        return std::nullopt;
    const auto m = f[0], d = f[1], y = f[2];
    const int fullYear = digits == 2 ? y + (y < 30 ? 2000 : 1900) : y;
    return validSerial(fullYear, m, d);
}
