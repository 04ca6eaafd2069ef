// Every file reader against damaged files: each one either reads the file completely or
// refuses it with message 13 (the settings: an incomplete read), never a fault or a hang.
// Source of every expected refusal: the file formats (a record cut short misses fields;
// counts, amounts and codes outside what a worksheet can write are damaged files).
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
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

std::string sample(const char* name) {
    std::ifstream in(std::string(PECUNEX_SOURCE_DIR "/samples/") + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A reader's verdict: nothing when the file read completely, else the message code.
using Reader = std::function<std::optional<int>(std::string_view)>;

std::optional<int> loanVerdict(std::string_view text) {
    const LoanFileRead r = readLoanFile(text);
    return r.error ? std::optional(r.error->code) : std::nullopt;
}
std::optional<int> budgetVerdict(std::string_view text) {
    const BudgetFileRead r = readBudgetFile(text);
    return r.error ? std::optional(r.error->code) : std::nullopt;
}
std::optional<int> netWorthVerdict(std::string_view text) {
    const Result<NetWorthTables> r = readNetWorthFile(text);
    return r ? std::nullopt : std::optional(r.failure().code);
}
std::optional<int> settingsVerdict(std::string_view text) {
    return parseSettings(text).complete ? std::nullopt : std::optional(msg::FileNotFound);
}

struct Format {
    const char* name;
    Reader read;
    std::string valid;
    // The valid file with its first count (or, for a loan, its additional-payment count)
    // replaced by `count`.
    std::function<std::string(const std::string&)> withCount;
};

std::string replaceFirst(std::string text, const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
    return text;
}

std::vector<Format> formats() {
    const std::string loan = sample("Sample.umd"), budget = sample("Sample.BGT"),
                      net = sample("NetSampl.NWV");
    return {
        {"loan", loanVerdict, loan,
         [loan](const std::string& n) {
             return replaceFirst(loan, ",1,1,2,25,2,", ",1,1,2," + n + ",2,");
         }},
        {"budget", budgetVerdict, budget,
         [budget](const std::string& n) { return n + budget.substr(budget.find('\r')); }},
        {"net worth", netWorthVerdict, net,
         [net](const std::string& n) { return n + net.substr(net.find(',')); }},
        {"settings", settingsVerdict, "\"$\",1,\"Ann Lee\"\r\n",
         [](const std::string& n) { return "\"$\"," + n + ",\"Ann Lee\"\r\n"; }},
    };
}

void expectRefused(const Format& f, const std::string& text, const std::string& why) {
    const std::optional<int> verdict = f.read(text);
    EXPECT_EQ(verdict, std::optional(msg::FileNotFound)) << f.name << ": " << why;
}

void expectReadOrRefused(const Format& f, const std::string& text, const std::string& why) {
    const std::optional<int> verdict = f.read(text);
    if (verdict) {
        EXPECT_EQ(*verdict, msg::FileNotFound) << f.name << ": " << why;
    }
}

TEST(HostileFiles, SamplesReadCompletely) {
    for (const Format& f : formats())
        EXPECT_EQ(f.read(f.valid), std::nullopt) << f.name;
}

// Every truncation: a file cut before its last item ends misses a field.
TEST(HostileFiles, EveryTruncationIsRefusedUpToTheLastItem) {
    for (const Format& f : formats()) {
        const std::size_t lastItem = f.valid.find_last_of(',');
        for (std::size_t cut = 0; cut < f.valid.size(); ++cut) {
            const std::string text = f.valid.substr(0, cut);
            if (cut <= lastItem)
                expectRefused(f, text, "cut at " + std::to_string(cut));
            else
                expectReadOrRefused(f, text, "cut at " + std::to_string(cut));
        }
    }
}

TEST(HostileFiles, GarbageNulBytesHugeLinesAndHugeFiles) {
    std::string garbage;
    for (int b = 0; b < 256; ++b)
        garbage += static_cast<char>(255 - b);
    for (const Format& f : formats()) {
        const std::string withNul = replaceFirst(f.valid, ",", std::string(1, '\0'));
        const struct {
            std::string text;
            bool refused;
            const char* why;
        } cases[] = {
            {"", true, "empty"},
            {garbage, true, "binary garbage"},
            {std::string(4096, '\0'), true, "NUL bytes only"},
            {withNul, true, "a NUL byte in place of a separator"},
            {"\"" + std::string(1 << 20, 'x') + "\"\r\n", true, "a 1 MB line"},
            {std::string(1 << 20, '7'), true, "a 1 MB number"},
            {"\"" + std::string(1 << 16, 'x'), true, "a quote never closed"},
            {f.withCount("32767"), true, "count 32767"},
            {f.withCount("-1"), true, "negative count"},
            {f.withCount("1e308"), true, "count 1e308"},
            {f.withCount("NaN"), true, "count NaN"},
            {f.withCount("99999999999999999999"), true, "count of 20 digits"},
            {f.valid + std::string(10 << 20, '\n'), false, "a 10 MB file"},
            {"\xef\xbb\xbf" + f.valid, false, "UTF-8 byte-order mark"},
        };
        for (const auto& c : cases) {
            if (c.refused)
                expectRefused(f, c.text, c.why);
            else
                expectReadOrRefused(f, c.text, c.why);
        }
    }
}

// Amounts beyond the currency range (922,337,203,685,477.5807): the mortgage and budget
// files store currency and refuse them (message 13); a net worth file stores plain numbers,
// reads them and its calculation is message 26 (a net worth line may hold any figure).
TEST(HostileFiles, AmountsBeyondTheCurrencyRange) {
    const std::string loan = sample("Sample.umd"), budget = sample("Sample.BGT"),
                      net = sample("NetSampl.NWV");
    for (const char* number : {"1e308", "99999999999999999999", "922337203685477.5808"}) {
        EXPECT_EQ(loanVerdict(replaceFirst(loan, "250000,", std::string(number) + ",")),
                  msg::FileNotFound)
            << number;
        EXPECT_EQ(budgetVerdict(replaceFirst(budget, ",1440,", "," + std::string(number) + ",")),
                  msg::FileNotFound)
            << number;
        const Result<NetWorthTables> read = readNetWorthFile(replaceFirst(net, "412000", number));
        ASSERT_TRUE(read) << number;
        const Result<NetWorthTables> calculated = calculateNetWorth(*read);
        ASSERT_FALSE(calculated) << number;
        EXPECT_EQ(calculated.failure().code, msg::CannotCalculate) << number;
    }
    for (const char* number : {"NaN", "-1", "abc"}) {
        EXPECT_EQ(loanVerdict(replaceFirst(loan, "250000,", std::string(number) + ",")),
                  msg::FileNotFound);
        EXPECT_EQ(netWorthVerdict(replaceFirst(net, "412000", number)), msg::FileNotFound)
            << number;
    }
    // Two amounts in range whose sum is not: the budget totals are message 26.
    const std::string big = "900000000000000";
    const BudgetFileRead twoBig =
        readBudgetFile(replaceFirst(replaceFirst(budget, ",1440,12,1440", "," + big + ",1," + big),
                                    ",2400,6,1800", "," + big + ",1,0"));
    ASSERT_FALSE(twoBig.error.has_value());
    const Result<BudgetFigures> figures = budgetFigures(twoBig.tables);
    ASSERT_FALSE(figures);
    EXPECT_EQ(figures.failure().code, msg::CannotCalculate);
}

} // namespace
