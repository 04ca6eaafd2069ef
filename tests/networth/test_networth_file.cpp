// Net worth files: what we write, what we read back, and what we refuse.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "Messages.h"
#include "NetWorthCalc.h"
#include "NetWorthFile.h"

namespace {

std::string readText(const std::string& path) {
    std::ostringstream s;
    s << std::ifstream(path, std::ios::binary).rdbuf();
    return s.str();
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        out.push_back(text.substr(start, end - start));
    return out;
}

// 31 empty records after a count line; row i of the list replaced where given.
std::string fileWith(const std::string& counts, std::vector<std::pair<int, std::string>> records,
                     int total = 32) {
    std::string text = counts + "\r\n";
    for (int i = 1; i < total; ++i) {
        const auto given = std::find_if(records.begin(), records.end(),
                                        [i](const auto& r) { return r.first == i; });
        text += (given != records.end() ? given->second : std::string(",,,")) + "\r\n";
    }
    return text;
}

TEST(NetWorthFile, OneHouseIs32LinesWithItsCountsFirst) {
    NetWorthTables t;
    t.AssetRows[1] = {"House", 100000};
    t.AssetCount = 1;
    const std::vector<std::string> written = lines(writeNetWorthFile(t));
    ASSERT_EQ(written.size(), 32u);
    EXPECT_EQ(written[0], "1,0");
    EXPECT_EQ(written[1], "\"House\",100000,,");
    EXPECT_TRUE(std::all_of(written.begin() + 2, written.end(),
                            [](const std::string& l) { return l == ",,,"; }));
}

TEST(NetWorthFile, CalculatedStatementsComeBackUnchanged) {
    NetWorthTables t;
    t.AssetRows[1] = {"Sub Total", std::nullopt}; // first line: the empty amount, saved as ""
    t.AssetRows[2] = {"House", 325000};
    t.AssetRows[3] = {"Sub Total", {}};
    t.AssetRows[4] = {" ", 0.05};
    t.LiabilityRows[1] = {"Car loan, 5 years", 9300.4};
    t.LiabilityRows[2] = {"BlankLine", std::nullopt};
    const NetWorthTables calculated = calculateNetWorth(t).value();
    const std::string text = writeNetWorthFile(calculated);
    EXPECT_EQ(lines(text)[1], "\"Sub Total\",\"\",\"Car loan, 5 years\",9300.4");
    EXPECT_EQ(lines(text)[3], "\"Sub Total\",325000,,");
    const Result<NetWorthTables> back = readNetWorthFile(text);
    ASSERT_TRUE(back.ok()) << back.failure().what;
    EXPECT_EQ(back->AssetRows, calculated.AssetRows);
    EXPECT_EQ(back->LiabilityRows, calculated.LiabilityRows);
    EXPECT_EQ(back->AssetCount * 100 + back->LiabilityCount, 402); // counts as saved: 4 and 2
    const NetWorthTables again = calculateNetWorth(back.value()).value();
    EXPECT_EQ(std::pair(again.TotalAssets, again.TotalLiabilities),
              std::pair(calculated.TotalAssets, calculated.TotalLiabilities));
}

TEST(NetWorthFile, LinesTypedAfterTheCalculationAreSavedToo) {
    NetWorthTables t; // counts 0: nothing calculated yet
    t.AssetRows[3] = {"Boat", std::nullopt};
    t.LiabilityRows[2].amount = 12.5;
    const std::vector<std::string> written = lines(writeNetWorthFile(t));
    EXPECT_EQ(written[2], ",,\"\",12.5");
    EXPECT_EQ(written[3], "\"Boat\",\"\",,");
}

TEST(NetWorthFile, ReadsTheReferenceFileAndOldFormsOfTheItems) {
    const Result<NetWorthTables> ref =
        readNetWorthFile(readText(PECUNEX_SOURCE_DIR "/tests/golden/networth-household.NWV"));
    ASSERT_TRUE(ref.ok());
    EXPECT_EQ(ref->AssetRows[3], (NetWorthLine{"Sub Total", std::nullopt}));
    EXPECT_EQ(ref->LiabilityRows[2], (NetWorthLine{"Car loan", 9300.4}));
    EXPECT_EQ(ref->LiabilityRows[4], NetWorthLine{});

    // A byte-order mark, LF line ends, blanks around items, "" and nothing as the empty amount,
    // a number without its leading zero, an unquoted name; counts that disagree are recounted.
    std::string text =
        "\xEF\xBB\xBF" + fileWith("5, 0", {{1, "\"a\", \"\" ,b, .5"}, {2, "\"c\",,,"}});
    std::replace(text.begin(), text.end(), '\r', ' ');
    const Result<NetWorthTables> old = readNetWorthFile(text);
    ASSERT_TRUE(old.ok()) << old.failure().what;
    EXPECT_EQ(old->AssetRows[1], (NetWorthLine{"a", std::nullopt}));
    EXPECT_EQ(old->LiabilityRows[1], (NetWorthLine{"b", 0.5}));
    EXPECT_EQ(old->AssetRows[2], (NetWorthLine{"c", std::nullopt}));
    EXPECT_EQ(calculateNetWorth(old.value()).value().AssetCount, 2);
}

TEST(NetWorthFile, TheSampleStatementOpens) {
    const Result<NetWorthTables> sample =
        readNetWorthFile(readText(PECUNEX_SOURCE_DIR "/samples/NetSampl.NWV"));
    ASSERT_TRUE(sample.ok());
    const NetWorthTables t = calculateNetWorth(sample.value()).value();
    EXPECT_EQ(std::pair(t.AssetCount, t.LiabilityCount),
              std::pair(sample->AssetCount, sample->LiabilityCount));
    EXPECT_EQ(netWorthOf(t), Currency::fromDouble(298795.10)); // hand sum of the sample's lines
}

TEST(NetWorthFile, RefusesWhatTheWorksheetCouldNotHaveWritten) {
    const struct {
        const char* fault;
        std::string text;
    } cases[] = {
        {"ten lines", fileWith("1,0", {{1, "\"House\",1,,"}}, 10)},
        {"empty file", ""},
        {"text in a count", fileWith("\"one\",0", {})},
        {"bare text in a count", fileWith("1,x", {})},
        {"count above 30", fileWith("31,0", {})},
        {"negative count", fileWith("0,-1", {})},
        {"fractional count", fileWith("1.5,0", {})},
        {"text in an amount", fileWith("1,0", {{1, "\"House\",\"lots\",,"}})},
        {"bare text in an amount", fileWith("1,0", {{4, "\"House\",12a,,"}})},
        {"negative amount", fileWith("0,1", {{1, ",,\"Loan\",-5"}})},
        {"malformed row 31", fileWith("0,0", {{31, ",,,\"x\""}})},
        {"unterminated name", fileWith("1,0", {{1, "\"House,1,,"}})},
        {"double quote in a name", fileWith("1,0", {{1, "House\"s,1,,"}})},
        {"control character in a name", fileWith("1,0", {{1, "\"Ho\tuse\",1,,"}})},
    };
    for (const auto& c : cases) {
        const Result<NetWorthTables> r = readNetWorthFile(c.text);
        ASSERT_FALSE(r.ok()) << c.fault;
        EXPECT_EQ(r.failure().code, msg::FileNotFound) << c.fault;
    }
    // Row 31 is read but never kept.
    const Result<NetWorthTables> ignored =
        readNetWorthFile(fileWith("0,0", {{31, "\"x\",1,\"y\",2"}}));
    ASSERT_TRUE(ignored.ok());
    EXPECT_EQ(ignored->AssetRows[31], NetWorthLine{});
}

} // namespace
