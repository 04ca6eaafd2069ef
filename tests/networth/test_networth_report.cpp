// The net worth printout and its CSV form, compared with reviewed golden texts
// (PECUNEX_UPDATE_GOLDEN=1 rewrites them; review them by eye).
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
        netWorthStatementFromFile(readText(GoldenDir + "networth-household.NWV"));
    ASSERT_TRUE(ref.ok());
    EXPECT_EQ(render(*ref, {"Example: household net worth", "$", {}}, 1),
              readText(GoldenDir + "networth-household.expected.txt"));
    // Three asset lines, five liabilities: five row lines, rows 4 and 5 without an asset.
    // Names cut to 25 characters; totals wider than 13 characters cut by RightAlign.
    // Nothing typed: the frame, no rows, zero totals ($.00).
    const std::pair<std::string, std::string> goldens[] = {
        {render(longAndLarge(), {"", "EU", {}}), "networth-long-names.txt"},
        {render(calculateNetWorth({}).value(), {"Empty", "$", {}}), "networth-empty.txt"},
    };
    for (const auto& [text, name] : goldens) {
        if (std::getenv("PECUNEX_UPDATE_GOLDEN"))
            std::ofstream(GoldenDir + name, std::ios::binary) << text;
        EXPECT_EQ(text, readText(GoldenDir + name)) << name;
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
