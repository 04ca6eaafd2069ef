#pragma once
// Damaged and hostile variants of the sample files, for the readers' test and the worksheets'.
// Source of each expectation: the file formats (every item is read in order, a count bounds
// what follows, a file ends after its last item, amounts and counts are what a worksheet can
// write) and what users' editors write (a byte-order mark, bare line feeds or carriage returns
// around an intact file). The amount is the first figure of the first record.
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace hostile {

// Refused: message 13. Opened: read completely, as the intact file. ZeroAmount: read, the
// amount zero ("-0", 1e-320). TooLarge: an amount beyond the currency range, the format's own
// message. Either: refused, or read completely.
enum class Expect { Refused, Opened, ZeroAmount, TooLarge, Either };

struct Case {
    std::string name, bytes;
    Expect expect;
};

inline std::string sample(const std::string& name) {
    std::ifstream in(PECUNEX_SOURCE_DIR "/samples/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline std::string replacedFirst(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    if (at == std::string::npos)
        throw std::logic_error("no " + from + " in the sample");
    return text.replace(at, from.size(), to);
}

// A figure of the intact file and the text around it there.
struct Place {
    std::string around, figure;
};

struct Format {
    std::string name, valid;
    Place count, amount; // the first count; the first amount (none in the settings)
    int tableSize;       // the largest count the file may hold
    int tooLarge;        // the message for an amount beyond the currency range
    std::string with(const Place& p, const std::string& n) const {
        return replacedFirst(valid, p.around, replacedFirst(p.around, p.figure, n));
    }
};

// Currency files refuse amounts beyond its range; a net worth line may hold any figure, and
// its calculation says it cannot add them up (message 26).
inline std::vector<Format> formats() {
    return {
        {"mortgage", sample("Sample.umd"), {",1,1,2,25,2,", "25"}, {"250000,5", "250000"}, 45, 13},
        {"loan", sample("Sample.uld"), {",0,1,2,4,0,", "4"}, {"15000,7.9,", "15000"}, 45, 13},
        {"budget", sample("Sample.BGT"), {"6\r\n1,", "6"}, {",1440,12,", "1440"}, 500, 13},
        {"net worth", sample("NetSampl.NWV"), {"10,6", "10"}, {",412000,", "412000"}, 31, 26},
        {"settings", "\"$\",1,\"Ann Lee\"\r\n", {",1,", "1"}, {}, 3, 13}};
}

inline std::optional<int> message(const Format& f, Expect e) {
    if (e == Expect::Refused)
        return 13;
    return e == Expect::TooLarge ? std::optional(f.tooLarge) : std::nullopt;
}

inline std::vector<Case> cases(const Format& f) {
    using enum Expect;
    std::vector<Case> all = {{"empty", "", Refused}};
    for (std::size_t cut = 1; cut < f.valid.size(); ++cut)
        all.push_back({"cut at " + std::to_string(cut), f.valid.substr(0, cut),
                       cut <= f.valid.find_last_of(',') ? Refused : Either});
    std::string garbage, utf16 = "\xFF\xFE", lf, cr;
    for (int b = 255; b >= 0; --b)
        garbage += char(b);
    for (char c : f.valid) {
        utf16 += std::string{c, '\0'};
        lf += c == '\r' ? "" : std::string(1, c);
        cr += c == '\n' ? "" : std::string(1, c);
    }
    all.insert(all.end(),
               {{"binary garbage", garbage, Refused},
                {"NUL bytes", std::string(4096, '\0'), Refused},
                {"a NUL separator", replacedFirst(f.valid, ",", {'\0'}), Refused},
                {"UTF-8 byte-order mark", "\xEF\xBB\xBF" + f.valid, Opened},
                {"UTF-16 text", utf16, Refused},
                {"LF-only line ends", lf, Opened},
                {"CR-only line ends", cr, Opened},
                {"a 1 MB line", '"' + std::string(1 << 20, 'x') + "\"\r\n" + f.valid, Refused},
                {"a 10 MB number", std::string(10 << 20, '7'), Refused},
                {"10 MB of blank lines after", f.valid + std::string(10 << 20, '\n'), Opened},
                {"a quote never closed", '"' + std::string(1 << 16, 'x'), Refused}});
    const auto add = [&](const std::string& what, const Place& place,
                         std::initializer_list<std::string> figures, Expect e) {
        for (const std::string& n : figures)
            all.push_back({what + n, f.with(place, n), e});
    };
    add("count ", f.count,
        {"32767", "-1", "-32769", "1e308", "NaN", "99999999999999999999",
         std::to_string(f.tableSize + 1)},
        Refused);
    if (!f.amount.figure.empty()) {
        add("amount ", f.amount, {"NaN", "abc", "0x10", "-1"}, Refused);
        add("amount ", f.amount, {"1e308", "99999999999999999999", "922337203685477.5808"},
            TooLarge);
        add("amount ", f.amount, {"-0", "1e-320"}, ZeroAmount);
    }
    return all;
}

// Two budget amounts each in range whose sum is not.
inline std::string budgetWithAnOverflowingSum() {
    const std::string big = "900000000000000";
    return replacedFirst(
        replacedFirst(sample("Sample.BGT"), ",1440,12,1440", "," + big + ",1," + big),
        ",2400,6,1800", "," + big + ",1,0");
}

} // namespace hostile
