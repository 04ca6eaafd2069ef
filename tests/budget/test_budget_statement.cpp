// The budget statement printout and its CSV, through TextPrinter, against golden texts
// (reviewed by eye; PECUNEX_UPDATE_GOLDEN=1 rewrites them).
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "BudgetCsv.h"
#include "BudgetFile.h"
#include "BudgetReport.h"
#include "BudgetSort.h"
#include "BudgetTestData.h"

namespace {

const std::string Golden = PECUNEX_SOURCE_DIR "/tests/golden/";

std::string readText(const std::string& path) {
    std::ostringstream s;
    s << std::ifstream(path, std::ios::binary).rdbuf();
    return s.str();
}

std::string printout(const BudgetTables& t, const BudgetReportOptions& o) {
    auto r = prepareBudgetReport(writeBudgetFile(t), o);
    return r ? budgetReportText(**r, o) : "refused: " + r.failure().what;
}

void expectGolden(const std::string& text, const std::string& name) {
    if (std::getenv("PECUNEX_UPDATE_GOLDEN"))
        std::ofstream(Golden + name, std::ios::binary) << text;
    EXPECT_EQ(text, readText(Golden + name)) << name;
}

TEST(BudgetStatement, ReferencePrintoutMatchesByteForByte) {
    BudgetReportOptions o;
    o.period = "Monthly";
    o.sort = "Amounts Hi-Lo";
    o.header = "Example: household budget, monthly";
    auto r = prepareBudgetReport(readText(Golden + "budget-household.Bgt"), o);
    ASSERT_TRUE(r);
    EXPECT_EQ(budgetReportText(**r, o), readText(Golden + "budget-household.expected.txt"));
}

// Page breaks by the counting rules; the standard font's page holds 53 lines:
//   42 income lines: the counter reaches 53 at the last one, the continuation head follows;
//   39: 50 + 3 reaches 53, the income total moves to a new page without a head (38: it stays);
//   30: 44 after the total, + 9: the expense section starts a new page;
//   20 and one expense: no break; 21: 48 after the expense total, + 5: the net balances alone.
// Long lists under two fonts: 52 record lines on a first page of 63, 55 on the next ones.
TEST(BudgetStatement, PagesBreakByTheCountingRules) {
    const struct {
        int font, income, expense;
        const char* golden;
    } rows[] = {
        {0, 42, 1, "budget-break-42.txt"},     {0, 39, 1, "budget-break-39.txt"},
        {0, 38, 1, "budget-break-38.txt"},     {0, 30, 1, "budget-break-30.txt"},
        {0, 20, 1, "budget-break-20.txt"},     {0, 21, 1, "budget-break-21.txt"},
        {1, 120, 30, "budget-long-font1.txt"}, {3, 40, 12, "budget-long-font3.txt"},
    };
    for (const auto& row : rows) {
        BudgetTables t;
        for (int i = 1; i <= row.income; ++i)
            add(t, RecordSide::Income, "Income line " + std::to_string(1000 + i).substr(1),
                std::to_string(1000 + i * 37).c_str(), 12, "1000");
        for (int i = 1; i <= row.expense; ++i)
            add(t, RecordSide::Expense, "Expense line " + std::to_string(100 + i).substr(1),
                std::to_string(100 + i).c_str(), 4, "100");
        BudgetReportOptions o;
        o.fontChoice = row.font;
        if (row.font > 0)
            o.period = "Quarterly", o.header = "Long budget";
        expectGolden(printout(t, o), row.golden);
    }
}

// An empty income list, a negative net, a symbol of three characters inside the 11-character
// figures, and a description longer than the 30 characters printed.
TEST(BudgetStatement, EmptyIncomeNegativeNetAndLongDescriptions) {
    BudgetTables t;
    add(t, RecordSide::Expense, "A description far longer than thirty characters", "1200", 12,
        "600");
    BudgetReportOptions o;
    o.period = "Monthly";
    o.currencySymbol = "EUR";
    expectGolden(printout(t, o), "budget-one-expense-eur.txt");
}

TEST(BudgetReport, EmptyBudgetsDamagedFilesAndUnknownListTextsAreRefused) {
    BudgetReportOptions o;
    EXPECT_EQ(prepareBudgetReport("0\r\n0\r\n", o).failure().code, 1);
    EXPECT_EQ(prepareBudgetReport("2\r\n1,\"A\",1,1,1\r\n", o).failure().code, 13);
    EXPECT_EQ(budgetOptionsProblem(o), "");
    o.period = "  Weekly"; // the list's blanks are optional, its capitals are not
    EXPECT_EQ(budgetOptionsProblem(o), "");
    for (const char* period : {"Fortnightly", "monthly"}) {
        o.period = period;
        EXPECT_NE(budgetOptionsProblem(o).find("--period"), std::string::npos) << period;
    }
    o.period = "Semi-annual";
    o.sort = "Amounts";
    EXPECT_NE(budgetOptionsProblem(o).find("--sort"), std::string::npos);
}

TEST(BudgetCsv, OneLinePerRecordInPrintoutOrderWithPlainFigures) {
    BudgetTables t;
    add(t, RecordSide::Income, "Salary", "48000", 24, "48000");
    add(t, RecordSide::Income, "Tips, \"cash\"", "6", 52, "0");
    add(t, RecordSide::Expense, "Rent", "16800", 12, "16800");
    t.SortOrder = 4;
    SortIncomeRecords(t);
    EXPECT_EQ(budgetCsv(t, 12),
              "side,number,description,amount,budgeted\r\n"
              "income,1,\"Tips, \"\"cash\"\"\",0.50,0.00\r\n" // hand calculation: 6 / 12
              "income,2,Salary,4000.00,4000.00\r\n"
              "expense,1,Rent,1400.00,1400.00\r\n");
    EXPECT_EQ(budgetCsv(BudgetTables{}, 1), "side,number,description,amount,budgeted\r\n");
}

} // namespace
