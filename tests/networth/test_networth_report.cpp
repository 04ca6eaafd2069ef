// The net worth printout and its CSV form, compared with reviewed golden texts.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "Messages.h"
#include "NetWorthCalc.h"
#include "NetWorthReport.h"
#include "TextPrinter.h"

namespace {

const std::string GoldenDir = PECUNEX_SOURCE_DIR "/tests/golden/";

std::string readText(const std::string& path) {
    std::ostringstream s;
    s << std::ifstream(path, std::ios::binary).rdbuf();
    return s.str();
}

// Compares with a golden file; PECUNEX_UPDATE_GOLDEN=1 rewrites it (then review it by eye).
void expectGolden(const std::string& text, const std::string& name) {
    if (std::getenv("PECUNEX_UPDATE_GOLDEN"))
        std::ofstream(GoldenDir + name, std::ios::binary) << text;
    EXPECT_EQ(text, readText(GoldenDir + name)) << name;
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

TEST(NetWorthReport, ReferencePrintoutMatchesByteForByte) {
    // The reference file, font 1, header and symbol from its .args file.
    const Result<NetWorthTables> t =
        netWorthStatementFromFile(readText(GoldenDir + "networth-household.NWV"));
    ASSERT_TRUE(t.ok());
    EXPECT_EQ(render(*t, {"Example: household net worth", "$", {}}, 1),
              readText(GoldenDir + "networth-household.expected.txt"));
}

TEST(NetWorthReport, LongNamesLargeTotalsAndAnEmptyStatement) {
    // Three asset lines, five liabilities: five row lines, rows 4 and 5 without an asset.
    // Names cut to 25 characters; totals wider than 13 characters cut by RightAlign.
    expectGolden(render(longAndLarge(), {"", "EU", {}}), "networth-long-names.txt");
    // Nothing typed: the frame, no rows, zero totals ($.00).
    expectGolden(render(calculateNetWorth({}).value(), {"Empty", "$", {}}), "networth-empty.txt");
}

TEST(NetWorthReport, TotalsAreRightAlignedAfterTheSymbol) {
    NetWorthTables t;
    t.AssetRows[1] = {"House", 1234.5};
    const std::string text = render(calculateNetWorth(t).value(), {"", "$", {}});
    // Hand layout: column 27 onwards, 13 characters, "$1,234.50" right-aligned.
    EXPECT_NE(text.find("\n Total Assets" + std::string(17, ' ') + "$1,234.50  Total Liabilities"),
              std::string::npos);
    EXPECT_NE(text.find("\n House" + std::string(25, ' ') + "1,234.50\n"),
              std::string::npos); // amount from column 28
    EXPECT_NE(text.find("Net Worth =      $1,234.50\n"), std::string::npos);
    EXPECT_EQ(text.find('\f'), std::string::npos);
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
