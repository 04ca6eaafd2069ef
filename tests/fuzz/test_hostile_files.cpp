// Every file reader against damaged variants of the sample files: each reads the file
// completely or refuses it with message 13 (the settings: an incomplete read), never a fault or
// a hang. Expected from the file formats (items in order, a count bounds what follows, amounts
// and counts a worksheet can write) and from what editors write (byte-order mark, line ends).
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "BudgetFile.h"
#include "BudgetRefresh.h"
#include "LoanFile.h"
#include "Messages.h"
#include "NetWorthCalc.h"
#include "NetWorthFile.h"
#include "SettingsFile.h"

namespace {

std::string sample(const std::string& name) {
    std::ifstream in(PECUNEX_SOURCE_DIR "/samples/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string replacedFirst(std::string text, const std::string& from, const std::string& to) {
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
const Format Formats[] = {
    {"mortgage", sample("Sample.umd"), {",1,1,2,25,2,", "25"}, {"250000,5", "250000"}, 45, 13},
    {"loan", sample("Sample.uld"), {",0,1,2,4,0,", "4"}, {"15000,7.9,", "15000"}, 45, 13},
    {"budget", sample("Sample.BGT"), {"6\r\n1,", "6"}, {",1440,12,", "1440"}, 500, 13},
    {"net worth", sample("NetSampl.NWV"), {"10,6", "10"}, {",412000,", "412000"}, 31, 26},
    {"settings", "\"$\",1,\"Ann Lee\"\r\n", {",1,", "1"}, {}, 3, 13}};

// A damaged file and the message it must bring: none when it reads completely, as the intact
// file or with a zero amount ("-0", 1e-320). Either: refused (13), or read completely.
struct Case {
    std::string name, bytes;
    std::optional<int> message;
    bool either = false;
};

std::vector<Case> cases(const Format& f) {
    const std::optional<int> none, refused = 13;
    std::vector<Case> all = {{"empty", "", refused}};
    for (std::size_t cut = 1; cut < f.valid.size(); ++cut)
        all.push_back({"cut at " + std::to_string(cut), f.valid.substr(0, cut), refused,
                       cut > f.valid.find_last_of(',')});
    std::string garbage, utf16 = "\xFF\xFE", lf, cr;
    for (int b = 255; b >= 0; --b)
        garbage += char(b);
    for (char c : f.valid) {
        utf16 += std::string{c, '\0'};
        lf += c == '\r' ? "" : std::string(1, c);
        cr += c == '\n' ? "" : std::string(1, c);
    }
    all.insert(all.end(),
               {{"binary garbage", garbage, refused},
                {"NUL bytes", std::string(4096, '\0'), refused},
                {"a NUL separator", replacedFirst(f.valid, ",", {'\0'}), refused},
                {"UTF-8 byte-order mark", "\xEF\xBB\xBF" + f.valid, none},
                {"UTF-16 text", utf16, refused},
                {"LF-only line ends", lf, none},
                {"CR-only line ends", cr, none},
                {"a 1 MB line", '"' + std::string(1 << 20, 'x') + "\"\r\n" + f.valid, refused},
                {"a 10 MB number", std::string(10 << 20, '7'), refused},
                {"10 MB of blank lines after", f.valid + std::string(10 << 20, '\n'), none},
                {"a quote never closed", '"' + std::string(1 << 16, 'x'), refused}});
    const auto add = [&](const Place& place, std::initializer_list<std::string> figures,
                         std::optional<int> message) {
        for (const std::string& n : figures)
            all.push_back({place.figure + " as " + n, f.with(place, n), message});
    };
    add(f.count, {"-32769", "1e308", "NaN", "99999999999999999999"}, refused);
    // The net worth calculation counts its lines again: any 16-bit count reads.
    add(f.count, {"32767", "-1", std::to_string(f.tableSize + 1)},
        f.name == "net worth" ? none : refused);
    if (!f.amount.figure.empty()) {
        add(f.amount, {"NaN", "abc", "0x10", "-1"}, refused);
        add(f.amount, {"1e308", "99999999999999999999", "922337203685477.5808"}, f.tooLarge);
        add(f.amount, {"-0", "1e-320"}, none);
    }
    return all;
}

// Nothing when the file reads completely (a net worth file: and calculates), else the message.
std::optional<int> verdict(const std::string& format, std::string_view text) {
    if (format == "mortgage" || format == "loan") {
        const LoanFileRead r = readLoanFile(text);
        return r.error ? std::optional(r.error->code) : std::nullopt;
    }
    if (format == "budget") {
        const BudgetFileRead r = readBudgetFile(text);
        return r.error ? std::optional(r.error->code) : std::nullopt;
    }
    if (format == "net worth") {
        const Result<NetWorthTables> r = readNetWorthFile(text);
        const auto calculated = r ? calculateNetWorth(*r) : r;
        return calculated ? std::nullopt : std::optional(calculated.failure().code);
    }
    return parseSettings(text).complete ? std::nullopt : std::optional(msg::FileNotFound);
}

TEST(HostileFiles, EveryReaderReadsOrRefusesEveryDamagedFile) {
    for (const Format& f : Formats) {
        EXPECT_EQ(verdict(f.name, f.valid), std::nullopt) << f.name;
        for (const Case& c : cases(f)) {
            const std::optional<int> v = verdict(f.name, c.bytes);
            if (!c.either || v) {
                EXPECT_EQ(v, c.message) << f.name << ": " << c.name;
            }
        }
    }
    // Two budget amounts each in range whose sum is not: the totals cannot be calculated.
    const std::string big = "900000000000000";
    const BudgetFileRead twoBig = readBudgetFile(
        replacedFirst(replacedFirst(sample("Sample.BGT"), ",1440,12,1440", "," + big + ",1," + big),
                      ",2400,6,1800", "," + big + ",1,0"));
    ASSERT_FALSE(twoBig.error.has_value());
    const Result<BudgetFigures> figures = budgetFigures(twoBig.tables);
    ASSERT_FALSE(figures);
    EXPECT_EQ(figures.failure().code, msg::CannotCalculate);
}

} // namespace
