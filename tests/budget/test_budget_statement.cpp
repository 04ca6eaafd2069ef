// The budget statement printout and its CSV, through TextPrinter.
#include <gtest/gtest.h>

#include <algorithm>
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

std::unique_ptr<BudgetReport> prepared(const BudgetTables& t, const BudgetReportOptions& o) {
    auto r = prepareBudgetReport(writeBudgetFile(t), o);
    EXPECT_TRUE(r) << (r ? "" : r.failure().what);
    return r ? std::move(r).value() : nullptr;
}

std::vector<std::string> pages(const std::string& text) {
    std::vector<std::string> out(1);
    for (char c : text) {
        if (c == '\f')
            out.emplace_back();
        else
            out.back() += c;
    }
    return out;
}

int countLines(const std::string& page, const std::string& containing) {
    int n = 0;
    std::istringstream in(page);
    for (std::string line; std::getline(in, line);)
        n += line.find(containing) != std::string::npos;
    return n;
}

// A long budget: `income` numbered income lines and `expense` expense lines.
BudgetTables longBudget(int income, int expense) {
    BudgetTables t;
    for (int i = 1; i <= income; ++i) {
        const std::string amount = std::to_string(1000 + i * 37);
        add(t, RecordSide::Income,
            "Income line " +
                std::string(i < 10    ? "00"
                            : i < 100 ? "0"
                                      : "") +
                std::to_string(i),
            amount.c_str(), 12, "1000");
    }
    for (int i = 1; i <= expense; ++i) {
        const std::string amount = std::to_string(100 + i);
        add(t, RecordSide::Expense,
            "Expense line " + std::string(i < 10 ? "0" : "") + std::to_string(i), amount.c_str(), 4,
            "100");
    }
    return t;
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

// Long lists under two page lengths; the golden files were checked by eye against the
// counting rules (52 record lines on a first page of 63, 55 on the next ones).
TEST(BudgetStatement, LongListsBreakPagesUnderTwoFonts) {
    const struct {
        int font, income, expense;
        const char* golden;
    } rows[] = {
        {1, 120, 30, "budget-long-font1.txt"},
        {3, 40, 12, "budget-long-font3.txt"},
    };
    for (const auto& row : rows) {
        BudgetReportOptions o;
        o.fontChoice = row.font;
        o.period = "Quarterly";
        o.header = "Long budget";
        const auto r = prepared(longBudget(row.income, row.expense), o);
        ASSERT_TRUE(r);
        const std::string text = budgetReportText(*r, o);
        EXPECT_EQ(text, readText(Golden + row.golden)) << row.golden;
    }
    BudgetReportOptions o;
    o.fontChoice = 1;
    const std::string text = budgetReportText(*prepared(longBudget(120, 0), o), o);
    const auto p = pages(text);
    ASSERT_GE(p.size(), 3u);
    EXPECT_EQ(countLines(p[0], "Income line"), 52); // counter 11 to 62
    EXPECT_EQ(countLines(p[1], "Income line"), 55); // counter 8 to 62
    EXPECT_EQ(countLines(p[0], "Page 1"), 1);
    EXPECT_EQ(countLines(p[1], "source of income"), 1); // the continuation head
    EXPECT_EQ(countLines(p.back(), "Page"), 0);         // the last page has no footer
    for (const auto& page : p)
        EXPECT_LE(std::count(page.begin(), page.end(), '\n'), 63 + 4);
}

TEST(BudgetStatement, BreaksAtTheLastRecordAndBeforeTotalsFollowTheCountingRules) {
    BudgetReportOptions o; // standard font: 53 lines
    // 42 records: counter 11 + 42 = 53 at the last one, so the continuation head follows
    // it, then the income total on page 2.
    std::string text = budgetReportText(*prepared(longBudget(42, 1), o), o);
    auto p = pages(text);
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(countLines(p[1], "source of income"), 1);
    EXPECT_EQ(countLines(p[1], "Annual income"), 1);
    // 39 records: counter 50, + 3 reaches 53: the total moves to a new page without a head.
    text = budgetReportText(*prepared(longBudget(39, 1), o), o);
    p = pages(text);
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(countLines(p[0], "Income line"), 39);
    EXPECT_EQ(countLines(p[1], "source of income"), 0);
    EXPECT_EQ(p[1].substr(0, 2 + 63), "\n " + std::string(62, '_') + "\n");
    // 30 records: counter 41 + 3 = 44 after the total, + 9 reaches 53: the expense section
    // starts a new page.
    text = budgetReportText(*prepared(longBudget(30, 1), o), o);
    p = pages(text);
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(countLines(p[0], "Annual income"), 1);
    EXPECT_EQ(countLines(p[1], "EXPENSES"), 1);
    // 20 records and one expense: no break at all. 21: counter 45 after the expense line,
    // 48 after its total, + 5 reaches 53: the net balances go to a page of their own.
    EXPECT_EQ(pages(budgetReportText(*prepared(longBudget(20, 1), o), o)).size(), 1u);
    p = pages(budgetReportText(*prepared(longBudget(21, 1), o), o));
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(countLines(p[0], "Annual expenses"), 1);
    EXPECT_EQ(p[1], "\n\n\n                               Annual Net Balance\n"
                    "                           Current            Budgeted\n"
                    "                         $29,446.00          $20,900.00\n");
}

TEST(BudgetStatement, EmptyIncomeNegativeNetAndLongDescriptions) {
    BudgetTables t;
    add(t, RecordSide::Expense, "A description far longer than thirty characters", "1200", 12,
        "600");
    BudgetReportOptions o;
    o.period = "Monthly";
    o.currencySymbol = "EUR";
    const std::string text = budgetReportText(*prepared(t, o), o);
    EXPECT_NE(text.find("\n Monthly income                          EUR.00          EUR.00\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\n A description far longer than           100.00           50.00\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\n                         EUR-100.00           EUR-50.00\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(t.ExpenseRecords[1].Description.size(), 47u); // kept whole in the record
}

TEST(BudgetReport, EmptyBudgetsAndUnknownListTextsAreRefused) {
    BudgetReportOptions o;
    auto r = prepareBudgetReport("0\r\n0\r\n", o);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.failure().code, 1);
    r = prepareBudgetReport("2\r\n1,\"A\",1,1,1\r\n", o);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.failure().code, 13);
    EXPECT_EQ(budgetOptionsProblem(o), "");
    o.period = "Fortnightly";
    EXPECT_NE(budgetOptionsProblem(o), "");
    o.period = "  Weekly";
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
