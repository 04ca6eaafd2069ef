// Net worth files: what we write, what we read back, and what we refuse.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

#include "Messages.h"
#include "NetWorthCalc.h"
#include "NetWorthFile.h"

namespace {

std::string readText(const std::string& path) {
    std::ostringstream s;
    s << std::ifstream(PECUNEX_SOURCE_DIR + path, std::ios::binary).rdbuf();
    return s.str();
}

// A count line and `total` - 1 records, ",,," unless given.
std::string fileWith(const std::string& counts, std::map<int, std::string> records,
                     int total = 32) {
    std::string text = counts + "\r\n";
    for (int i = 1; i < total; ++i)
        text += (records.count(i) ? records[i] : ",,,") + "\r\n";
    return text;
}

TEST(NetWorthFile, CalculatedStatementsAre32LinesAndComeBackUnchanged) {
    NetWorthTables t;
    t.AssetRows[1] = {"Sub Total", std::nullopt}; // first line: the empty amount, saved as ""
    t.AssetRows[2] = {"House", 325000};
    t.AssetRows[3] = {"Sub Total", {}};
    t.AssetRows[4] = {" ", 0.05};
    t.LiabilityRows[1] = {"Car loan, 5 years", 9300.4};
    t.LiabilityRows[2] = {"BlankLine", std::nullopt};
    const NetWorthTables calculated = calculateNetWorth(t).value();
    const std::string text = writeNetWorthFile(calculated);
    EXPECT_EQ(text, fileWith("4,2", {{1, "\"Sub Total\",\"\",\"Car loan, 5 years\",9300.4"},
                                     {2, "\"House\",325000,\"BlankLine\",\"\""},
                                     {3, "\"Sub Total\",325000,,"},
                                     {4, "\" \",0.05,,"}}));
    const Result<NetWorthTables> back = readNetWorthFile(text);
    ASSERT_TRUE(back.ok()) << back.failure().what;
    EXPECT_EQ(back->AssetRows, calculated.AssetRows);
    EXPECT_EQ(back->LiabilityRows, calculated.LiabilityRows);
    EXPECT_EQ(back->AssetCount * 100 + back->LiabilityCount, 402); // counts as saved

    NetWorthTables typed; // lines typed after the calculation (counts 0) are saved too
    typed.AssetRows[3] = {"Boat", std::nullopt};
    typed.LiabilityRows[2].amount = 12.5;
    EXPECT_EQ(writeNetWorthFile(typed),
              fileWith("0,0", {{2, ",,\"\",12.5"}, {3, "\"Boat\",\"\",,"}}));
}

TEST(NetWorthFile, ReadsTheReferenceAndSampleFilesAndOldFormsOfTheItems) {
    const Result<NetWorthTables> ref =
        readNetWorthFile(readText("/tests/golden/networth-household.NWV"));
    ASSERT_TRUE(ref.ok());
    EXPECT_EQ(ref->AssetRows[3], (NetWorthLine{"Sub Total", std::nullopt}));
    EXPECT_EQ(ref->LiabilityRows[2], (NetWorthLine{"Car loan", 9300.4}));
    EXPECT_EQ(ref->LiabilityRows[4], NetWorthLine{});
    const NetWorthTables sample =
        calculateNetWorth(readNetWorthFile(readText("/samples/NetSampl.NWV")).value()).value();
    EXPECT_EQ(netWorthOf(sample),
              Currency::fromDouble(298795.10)); // hand sum of the sample's lines

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

TEST(NetWorthFile, RefusesWhatTheWorksheetCouldNotHaveWritten) {
    const struct {
        const char* fault;
        std::string text;
    } cases[] = {
        {"ten lines", fileWith("1,0", {{1, "\"House\",1,,"}}, 10)},
        {"count above 30", fileWith("31,0", {})},
        {"negative count", fileWith("0,-1", {})},
        {"fractional count", fileWith("1.5,0", {})},
        {"text in an amount", fileWith("1,0", {{1, "\"House\",\"lots\",,"}})},
        {"negative amount", fileWith("0,1", {{1, ",,\"Loan\",-5"}})},
        {"malformed row 31", fileWith("0,0", {{31, ",,,\"x\""}})},
        {"double quote in a name", fileWith("1,0", {{1, "House\"s,1,,"}})},
        {"control character in a name", fileWith("1,0", {{1, "\"Ho\tuse\",1,,"}})},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readNetWorthFile(c.text).failure().code, msg::FileNotFound) << c.fault;
    // Row 31 is read but never kept.
    const Result<NetWorthTables> ignored =
        readNetWorthFile(fileWith("0,0", {{31, "\"x\",1,\"y\",2"}}));
    ASSERT_TRUE(ignored.ok());
    EXPECT_EQ(ignored->AssetRows[31], NetWorthLine{});
}

} // namespace
