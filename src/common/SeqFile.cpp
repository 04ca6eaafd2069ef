#include "SeqFile.h"

#include "TextEncoding.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

// An item longer than this is taken for a damaged file, not data.
constexpr std::size_t MaxItemLength = 64 * 1024;
constexpr int WrongFormat = 13; // "File not found or wrong format."

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

Failure failAt(int item, std::string_view problem) {
    return Failure{WrongFormat, "item " + std::to_string(item) + ": " + std::string(problem)};
}

// The parts of a bare number: sign, whole digits, fraction digits, exponent text.
struct NumberText {
    bool negative = false;
    std::string_view whole;
    std::string_view fraction;
    std::string_view exponent; // "e-05" with its letter, or empty

    // The number without its sign, as from_chars reads it: "0" where no whole digits stand.
    std::string unsignedText() const {
        return (whole.empty() ? std::string("0") : std::string(whole)) +
               (fraction.empty() ? "" : "." + std::string(fraction)) + std::string(exponent);
    }
};

// Accepts [-|+] digits [. digits] [E [+|-] digits], with at least one digit before the exponent.
bool splitNumber(std::string_view s, NumberText& n) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
        n.negative = s[i] == '-';
        ++i;
    }
    auto digitsFrom = [&](std::size_t start) {
        std::size_t k = start;
        while (k < s.size() && s[k] >= '0' && s[k] <= '9')
            ++k;
        return k;
    };
    std::size_t end = digitsFrom(i);
    n.whole = s.substr(i, end - i);
    i = end;
    if (i < s.size() && s[i] == '.') {
        end = digitsFrom(i + 1);
        n.fraction = s.substr(i + 1, end - i - 1);
        i = end;
    }
    if (n.whole.empty() && n.fraction.empty())
        return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t k = i + 1;
        if (k < s.size() && (s[k] == '-' || s[k] == '+'))
            ++k;
        end = digitsFrom(k);
        if (end == k)
            return false;
        n.exponent = s.substr(i, end - i);
        i = end;
    }
    return i == s.size();
}

} // namespace

// ---- writer ----------------------------------------------------------------------------

void SeqWriter::separate() {
    if (lineStarted_)
        out_ += ',';
    lineStarted_ = true;
}

void SeqWriter::writeString(std::string_view text) {
    separate();
    out_ += '"';
    // The format has no escape for a double quote: one would end the string early and
    // damage the record, so it is written as a single quote.
    for (char c : text)
        out_ += c == '"' ? '\'' : c;
    out_ += '"';
}

void SeqWriter::writeCurrency(Currency value) {
    separate();
    out_ += value.toPlainString();
}

void SeqWriter::writeInteger(std::int64_t value) {
    separate();
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, value);
    out_.append(buf, r.ptr);
}

void SeqWriter::writeNumber(double value) {
    separate();
    // A value that is not a number cannot be read back; 0 keeps the record readable.
    if (!std::isfinite(value) || value == 0.0)
        value = 0.0;
    // The longest shortest-fixed form of a double (the smallest subnormal) is about 330
    // characters; the largest finite value has 309 digits.
    char buf[512];
    const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    out_.append(buf, r.ec == std::errc() ? r.ptr : buf);
}

void SeqWriter::writeEmpty() {
    separate();
}

void SeqWriter::endRecord() {
    out_ += "\r\n";
    lineStarted_ = false;
}

// ---- reader ----------------------------------------------------------------------------

// A UTF-8 byte-order mark that an editor put before the first item is not part of it.
SeqReader::SeqReader(std::string_view data) : data_(data) {
    if (data_.substr(0, 3) == "\xEF\xBB\xBF")
        pos_ = 3;
}

bool SeqReader::atEnd() const {
    for (std::size_t i = pos_; i < data_.size(); ++i)
        if (!isBlank(data_[i]) && !isLineEnd(data_[i]))
            return false;
    return true;
}

Result<SeqReader::RawItem> SeqReader::next() {
    const int index = item_ + 1;
    // Was the last separator a comma? Then a line end here closes an empty item; otherwise
    // we stand at the start of a record and blank lines are skipped.
    std::size_t back = pos_;
    while (back > 0 && isBlank(data_[back - 1]))
        --back;
    const bool afterComma = back > 0 && data_[back - 1] == ',';

    std::size_t i = pos_;
    while (i < data_.size() && (isBlank(data_[i]) || (!afterComma && isLineEnd(data_[i]))))
        ++i;
    if (i >= data_.size())
        return failAt(index, "end of data where an item is expected");

    RawItem item;
    if (data_[i] == '"') {
        const std::size_t close = data_.find('"', i + 1);
        if (close == std::string_view::npos)
            return failAt(index, "unterminated quoted string");
        if (close - i - 1 > MaxItemLength)
            return failAt(index, "item too long");
        item.text.assign(data_.substr(i + 1, close - i - 1));
        item.quoted = true;
        i = close + 1;
        while (i < data_.size() && isBlank(data_[i]))
            ++i;
        if (i < data_.size() && data_[i] != ',' && !isLineEnd(data_[i]))
            return failAt(index, "unexpected text after a closing quote");
    } else {
        std::size_t end = i;
        while (end < data_.size() && data_[end] != ',' && !isLineEnd(data_[end])) {
            if (end - i >= MaxItemLength)
                return failAt(index, "item too long");
            ++end;
        }
        std::size_t last = end;
        while (last > i && isBlank(data_[last - 1]))
            --last;
        item.text.assign(data_.substr(i, last - i));
        i = end;
    }
    // Consume the separator: a comma, or a line end (CR LF, LF or a lone CR).
    if (i < data_.size()) {
        if (data_[i] == ',') {
            ++i;
        } else if (data_[i] == '\r') {
            ++i;
            if (i < data_.size() && data_[i] == '\n')
                ++i;
        } else if (data_[i] == '\n') {
            ++i;
        }
    }
    pos_ = i;
    ++item_;
    return item;
}

Result<std::string> SeqReader::readString() {
    auto item = next();
    if (!item)
        return item.failure();
    // Text items come back as UTF-8 whatever wrote them (older files: Windows-1252).
    return utf8FromFileText(std::move(item.value().text));
}

Result<double> SeqReader::readNumber() {
    const int index = itemIndex();
    auto item = next();
    if (!item)
        return item.failure();
    return numberFrom(item.value(), index);
}

Result<std::optional<double>> SeqReader::readNumberOrEmpty() {
    const int index = itemIndex();
    auto item = next();
    if (!item)
        return item.failure();
    if (item->text.empty())
        return std::optional<double>();
    auto number = numberFrom(item.value(), index);
    if (!number)
        return number.failure();
    return std::optional<double>(number.value());
}

Result<double> SeqReader::numberFrom(const RawItem& item, int index) {
    NumberText n;
    if (item.quoted || (!item.text.empty() && !splitNumber(item.text, n)))
        return failAt(index, "text where a number is expected");
    if (item.text.empty())
        return 0.0;
    const std::string normal = n.unsignedText();
    double value = 0.0;
    const auto r = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (r.ec == std::errc::result_out_of_range) {
        // Underflow reads as 0; overflow is an error.
        const bool tiny = normal.find_first_not_of("0.") == std::string::npos ||
                          n.exponent.find('-') != std::string_view::npos;
        if (!tiny)
            return failAt(index, "number out of range");
        value = 0.0;
    } else if (r.ec != std::errc() || r.ptr != normal.data() + normal.size()) {
        return failAt(index, "text where a number is expected");
    }
    if (value == 0.0)
        return 0.0;
    return n.negative ? -value : value;
}

Result<Currency> SeqReader::readCurrency() {
    const int index = itemIndex();
    auto item = next();
    if (!item)
        return item.failure();
    NumberText n;
    if (item->quoted || (!item->text.empty() && !splitNumber(item->text, n)))
        return failAt(index, "text where a number is expected");
    if (item->text.empty())
        return Currency{};
    if (!n.exponent.empty()) {
        // Exponent form: go through the double.
        double value = 0.0;
        const std::string normal = n.unsignedText();
        const auto r = std::from_chars(normal.data(), normal.data() + normal.size(), value);
        if (r.ec == std::errc::result_out_of_range &&
            n.exponent.find('-') != std::string_view::npos)
            value = 0.0;
        else if (r.ec != std::errc())
            return failAt(index, "amount out of range");
        const auto c = Currency::fromDouble(n.negative ? -value : value);
        if (!c)
            return failAt(index, "amount out of range");
        return *c;
    }
    // Plain decimal text: exact, rounded to four decimals (halves away from zero).
    using Int128 = __int128;
    const Int128 limit = n.negative ? Int128{std::numeric_limits<std::int64_t>::max()} + 1
                                    : Int128{std::numeric_limits<std::int64_t>::max()};
    Int128 raw = 0;
    auto push = [&](char digit) {
        raw = raw * 10 + (digit - '0');
        return raw <= limit;
    };
    for (char c : n.whole)
        if (!push(c))
            return failAt(index, "amount out of range");
    for (std::size_t k = 0; k < 4; ++k)
        if (!push(k < n.fraction.size() ? n.fraction[k] : '0'))
            return failAt(index, "amount out of range");
    if (n.fraction.size() > 4 && n.fraction[4] >= '5') {
        ++raw;
        if (raw > limit)
            return failAt(index, "amount out of range");
    }
    return Currency::fromRaw(static_cast<std::int64_t>(n.negative ? -raw : raw));
}

Result<std::int16_t> SeqReader::readInt16() {
    const int index = itemIndex();
    auto number = readNumber();
    if (!number)
        return number.failure();
    const double value = *number;
    // Halves go to the even neighbour.
    double whole = std::floor(value);
    const double rest = value - whole;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    if (whole < std::numeric_limits<std::int16_t>::min() ||
        whole > std::numeric_limits<std::int16_t>::max())
        return failAt(index, "whole number outside 16 bits");
    return static_cast<std::int16_t>(whole);
}

std::string CheckedReader::text() {
    if (fault_)
        return {};
    Result<std::string> s = r_.readString();
    if (!s)
        fault_ = s.failure().what;
    return s ? std::move(s).value() : std::string();
}

int CheckedReader::whole(int least, int most) {
    const int item = r_.itemIndex();
    const Result<double> n = fault_ ? Result<double>(0.0) : r_.readNumber();
    if (!n)
        fault_ = n.failure().what;
    else if (!fault_ && (std::floor(*n) != *n || *n < least || *n > most))
        refuse("item " + std::to_string(item) + ": not a whole number from " +
               std::to_string(least) + " to " + std::to_string(most));
    return fault_ ? 0 : static_cast<int>(*n);
}

void CheckedReader::refuse(std::string what) {
    if (!fault_)
        fault_ = std::move(what);
}

void SeqWriter::writeHead(std::string_view kind, int version) {
    writeString("Pecunex");
    writeString(kind);
    writeInteger(version);
    endRecord();
}

void CheckedReader::expectHead(std::string_view kind, int version, std::string what) {
    const std::string maker = text(), named = text();
    if (whole(0, 32767) != version || maker != "Pecunex" || named != kind)
        refuse(std::move(what));
}
