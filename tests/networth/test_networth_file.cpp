// Net worth files (what we write, read back and refuse), and the statement printed and as
// CSV, compared with reviewed golden texts (PECUNEX_UPDATE_GOLDEN=1 rewrites them).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "Messages.h"
#include "NetWorthCalc.h"
#include "NetWorthFile.h"
#include "NetWorthReport.h"
#include "TextPrinter.h"

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

TEST(NetWorthFile, ReadsTheSampleFileAndOldFormsOfTheItems) {
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
        {"count beyond 16 bits", fileWith("32768,0", {})},
        {"count below 16 bits", fileWith("0,-32769", {})},
        {"fractional count", fileWith("1.5,0", {})},
        {"text in an amount", fileWith("1,0", {{1, "\"House\",\"lots\",,"}})},
        {"negative amount", fileWith("0,1", {{1, ",,\"Loan\",-0.5"}})},
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

std::string render(const NetWorthTables& t, const NetWorthPrintout& out, int font = 0) {
    TextPrinter printer;
    printNetWorthDocument(printer, t, out, font);
    return printer.text();
}

NetWorthTables longAndLarge() {
    NetWorthTables t;
    t.AssetRows[1] = {"Residential property at 12 Long Street", 987654321012.35}; // 38 characters
    t.AssetRows[2] = {"Sub Total", {}};
    t.AssetRows[3] = {"Pension", 0};
    for (int i = 1; i <= 5; ++i)
        t.LiabilityRows[static_cast<std::size_t>(i)] = {"Loan " + std::to_string(i), 1000.0 * i};
    t.LiabilityRows[4].amount.reset();
    t.LiabilityRows[5].name = "Überziehungskredit für das Boot"; // 31 characters, not bytes
    return calculateNetWorth(t).value();
}

TEST(NetWorthReport, PrintoutsMatchTheirGoldenTexts) {
    // The reference file, font 1, header and symbol from its .args file.
    const Result<NetWorthTables> ref =
        netWorthStatementFromFile(readText("/tests/golden/networth-household.NWV"));
    ASSERT_TRUE(ref.ok());
    EXPECT_EQ(render(*ref, {"Example: household net worth", "$", {}}, 1),
              readText("/tests/golden/networth-household.expected.txt"));
    // Three asset lines, five liabilities: five row lines, rows 4 and 5 without an asset.
    // Names cut to 25 characters; totals wider than 13 characters cut by RightAlign.
    // Nothing typed: the frame, no rows, zero totals ($.00).
    const std::pair<std::string, std::string> goldens[] = {
        {render(longAndLarge(), {"", "EU", {}}), "networth-long-names.txt"},
        {render(calculateNetWorth({}).value(), {"Empty", "$", {}}), "networth-empty.txt"},
    };
    for (const auto& [text, name] : goldens) {
        if (std::getenv("PECUNEX_UPDATE_GOLDEN"))
            std::ofstream(PECUNEX_SOURCE_DIR "/tests/golden/" + name, std::ios::binary) << text;
        EXPECT_EQ(text, readText("/tests/golden/" + name)) << name;
    }
}

TEST(NetWorthReport, CsvListsTheCalculatedLines) {
    const std::string csv = netWorthCsv(longAndLarge());
    EXPECT_EQ(csv.substr(0, csv.find("liability")),
              "side,line,name,amount\r\n"
              "asset,1,Residential property at 12 Long Street,987654321012.35\r\n"
              "asset,2,Sub Total,987654321012.35\r\n"
              "asset,3,Pension,0.00\r\n");
    EXPECT_NE(csv.find("\r\nliability,4,Loan 4,\r\n"), std::string::npos); // the empty amount
    NetWorthTables quoted;
    quoted.LiabilityRows[1] = {"Car, blue", 5};
    EXPECT_EQ(netWorthCsv(calculateNetWorth(quoted).value()),
              "side,line,name,amount\r\nliability,1,\"Car, blue\",5.00\r\n");
}

TEST(NetWorthReport, BatchStatementRefusesWhatTheWorksheetWould) {
    EXPECT_EQ(netWorthStatementFromFile("1,0\r\n\"House\",1,,\r\n").failure().code,
              msg::FileNotFound);
    std::string huge = "1,0\r\n\"House\",1e300,,\r\n";
    for (int i = 2; i <= 31; ++i)
        huge += ",,,\r\n";
    EXPECT_EQ(netWorthStatementFromFile(huge).failure().code, msg::CannotCalculate);
}

} // namespace
