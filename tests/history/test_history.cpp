// The net worth history: summaries figured by hand, a followed loan against the mortgage
// report's dated schedule, and the history file read back and refused.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "Dates.h"
#include "HistoryFile.h"
#include "HistoryReport.h"
#include "Messages.h"
#include "NetWorthFile.h"

namespace {

int day(const char* iso) {
    return *parseDateText(iso);
}

std::string sampleText() {
    std::ifstream in(PECUNEX_SOURCE_DIR "/samples/NetSampl.NWV", std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// A statement of the sample file with lines renamed or given other amounts ("" drops a line).
Statement sample(const char* date, const std::map<std::string, double>& amounts = {},
                 const std::vector<std::string>& dropped = {}) {
    Statement s{day(date), "", *readNetWorthFile(sampleText())};
    for (NetWorthTable* rows : {&s.lines.AssetRows, &s.lines.LiabilityRows})
        for (NetWorthLine& line : *rows) {
            if (auto found = amounts.find(line.name); found != amounts.end())
                line.amount = found->second;
            if (std::find(dropped.begin(), dropped.end(), line.name) != dropped.end())
                line = {};
        }
    return s;
}

// One line on each side.
Statement simple(const char* date, double asset, double liability) {
    Statement s{day(date), "", {}};
    s.lines.AssetRows[1] = {"Chequing", asset};
    s.lines.LiabilityRows[1] = {"Student loan", liability};
    s.lines.AssetCount = s.lines.LiabilityCount = 1;
    return s;
}

std::vector<std::string> texts(const SummaryRow& row) {
    return summaryTexts(row, {}, [](int d) { return isoDate(d); });
}

struct HistoryCase {
    const char* source;
    std::vector<Statement> statements;
    std::vector<std::vector<std::string>> rows; // the summary as the grid shows it
};

TEST(History, SummaryByHand) {
    const HistoryCase cases[] = {
        // The sample: 583,326.05 - 284,530.95 = 298,795.10. A year on, House +13,000 and Car
        // -2,500 give assets 593,826.05; Mortgage 259,870.12 without the car loan (11,200.75)
        // gives 259,870.12 + 1,430.20 + 3,500 = 264,800.32; net 329,025.73, up 30,230.63;
        // 329,025.73 / 298,795.10 = 1.101175..., over 365 days: 10.12 %.
        {"sample and a year on",
         {sample("2024-12-31"),
          sample("2025-12-31", {{"House", 425000}, {"Car", 16000}, {"Mortgage", 259870.12}},
                 {"Car loan"})},
         {{"2024-12-31", "", "583,326.05", "284,530.95", "298,795.10", "", "", ""},
          {"2025-12-31", "", "593,826.05", "264,800.32", "329,025.73", "30,230.63", "30,230.63",
           "10.12%"}}},
        // Below zero, then above it: 5,000 - 20,000; 8,000 - 18,500 after 182 days (no rate
        // under a year); 12,000.50 - 9,000 after 546 days (no rate from a first net worth
        // below zero).
        {"negative net worth",
         {simple("2020-07-01", 8000, 18500), simple("2020-01-01", 5000, 20000),
          simple("2021-06-30", 12000.5, 9000)},
         {{"2020-01-01", "", "5,000.00", "20,000.00", "-15,000.00", "", "", ""},
          {"2020-07-01", "", "8,000.00", "18,500.00", "-10,500.00", "4,500.00", "4,500.00", ""},
          {"2021-06-30", "", "12,000.50", "9,000.00", "3,000.50", "13,500.50", "18,000.50", ""}}},
    };
    for (const HistoryCase& c : cases) {
        SCOPED_TRACE(c.source);
        History h;
        for (const Statement& s : c.statements)
            ASSERT_FALSE(addStatement(h, s, "f.NWV"));
        const Result<HistoryResult> r = calculateHistory(h);
        ASSERT_TRUE(r.ok()) << r.failure().what;
        ASSERT_EQ(r->summary.size(), c.rows.size());
        for (std::size_t i = 0; i < c.rows.size(); ++i)
            EXPECT_EQ(texts(r->summary[i]), c.rows[i]) << "row " << i;
    }
}

TEST(History, LinesMatchedByNameAcrossStatements) {
    History h;
    Statement later = sample("2025-12-31", {}, {"Car loan"});
    later.lines.AssetRows[1].name = "  HOUSE ";
    addStatement(h, sample("2024-12-31"), "a");
    addStatement(h, later, "b");
    const HistoryResult r = *calculateHistory(h);
    std::map<std::string, std::vector<std::string>> shown;
    for (const HistoryLine& line : r.lines)
        shown[line.name] = {historyFigure(line.amounts[0], {}), historyFigure(line.amounts[1], {})};
    EXPECT_EQ(shown["House"], (std::vector<std::string>{"412,000.00", "412,000.00"}));
    EXPECT_EQ(shown["Car loan"], (std::vector<std::string>{"11,200.75", ""}));
    EXPECT_EQ(r.lines.size(), 11u); // seven assets, four liabilities; no sub-total
    EXPECT_FALSE(r.lines[6].liability);
    EXPECT_TRUE(r.lines[7].liability);
}

TEST(History, TwoOnOneDateAndAFullHistoryAreRefused) {
    History h;
    EXPECT_FALSE(addStatement(h, simple("2020-01-01", 1, 0), "a.NWV"));
    EXPECT_EQ(*addStatement(h, simple("2020-01-01", 2, 0), "b.NWV"),
              "b.NWV: The history already has a statement dated 2020-01-01. Give this one "
              "another date.");
    EXPECT_FALSE(addStatement(h, simple("2020-02-01", 2, 0), "b.NWV"));
    EXPECT_TRUE(redateStatement(h, 1, day("2020-01-01")));
    EXPECT_FALSE(redateStatement(h, 0, day("2021-01-01")));
    EXPECT_EQ(h.statements[0].lines.AssetRows[1].amount, 2.0); // kept in date order

    History full;
    for (int i = 0; i < MaxStatements; ++i) {
        Statement s = simple("2000-01-01", 1, 0);
        s.date += i;
        ASSERT_FALSE(addStatement(full, s, "x"));
    }
    EXPECT_EQ(*addStatement(full, simple("1999-01-01", 1, 0), "y.NWV"),
              "y.NWV: the history holds 600 statements, the most it can.");
}

// A dated mortgage: 120,000 at 6.5 %, compounded semi-annually, 20 years of monthly payments
// from 2027-01-15.
const std::string DatedMortgage = "120000,6.5,20,\"   Semiannual\",\"      Monthly\","
                                  "\"2027-01-15\",1,1,2,0,0,1,365,\"O\",0\r\n";

TEST(History, FollowedLoanBalanceAtTheMortgageReportsDates) {
    const Result<LoanBalances> loan = loanBalances(DatedMortgage, "House.umd");
    ASSERT_TRUE(loan.ok()) << loan.failure().what;
    // From `pecunex-report mortgage House.umd --csv`: payments 1 (2027-01-15) and 13
    // (2028-01-15), balances 119,752.77 and 116,680.87; before the first, the principal.
    const std::pair<const char*, const char*> rows[] = {
        {"2026-12-31", "120,000.00"},
        {"2027-02-14", "119,752.77"},
        {"2028-01-15", "116,680.87"},
    };
    for (const auto& [date, balance] : rows)
        EXPECT_EQ(historyFigure(balanceOn(*loan, day(date)), {}), balance) << date;

    // A statement that lists the loan itself keeps its own line; the others take the balance.
    History h;
    addStatement(h, simple("2027-02-14", 200000, 0), "a");
    Statement own = simple("2028-01-15", 200000, 100000);
    own.lines.LiabilityRows[1].name = "house";
    addStatement(h, own, "b");
    h.loans.push_back({"House.umd", "House", *loan});
    const HistoryResult r = *calculateHistory(h);
    EXPECT_EQ(historyFigure(r.summary[0].liabilities, {}), "119,752.77");
    EXPECT_EQ(historyFigure(r.summary[1].liabilities, {}), "100,000.00");
    EXPECT_EQ(r.lines.back().name, "House (loan file)");

    std::string undated = DatedMortgage;
    undated.replace(undated.find(",1,1,2,"), 7, ",0,1,2,");
    const Result<LoanBalances> refused = loanBalances(undated, "Old.umd");
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.failure().code, msg::DetailOnly);
    EXPECT_TRUE(refused.failure().what.starts_with("Old.umd: the loan has no payment dates. Set "
                                                   "its first payment date"));
}

History twoStatements() {
    History h;
    Statement first = sample("2024-12-31");
    first.label = "Year end";
    addStatement(h, first, "a");
    addStatement(h, sample("2025-12-31", {{"House", 425000}}, {"Car loan"}), "b");
    h.loans.push_back({"/home/me/loans/House.umd", "House", std::nullopt});
    return h;
}

TEST(HistoryFile, RoundTripAndLoansRelativeToTheHistory) {
    const std::string text = writeHistoryFile(twoStatements(), "/home/me");
    EXPECT_TRUE(text.starts_with("\"Pecunex\",\"History\",1\r\n2,1\r\n\"2024-12-31\",\"Year "
                                 "end\"\r\n10,6\r\n\"House\",412000,\"Mortgage\",268400\r\n"));
    EXPECT_TRUE(text.ends_with("\r\n\"loans/House.umd\"\r\n"));
    Result<History> read = readHistoryFile(text);
    ASSERT_TRUE(read.ok()) << read.failure().what;
    EXPECT_EQ(writeHistoryFile(*read, "/home/me"), text);
    EXPECT_EQ(read->statements[1].lines.AssetRows[1].amount, 425000.0);

    // The loan is read from beside the history; a file that is gone leaves its line blank.
    std::vector<std::string> asked;
    const auto gone = [&](const std::string& path) -> std::optional<std::string> {
        asked.push_back(path);
        return std::nullopt;
    };
    History h = *read;
    EXPECT_EQ(readFollowedLoans(h, "/home/me", gone),
              std::vector<std::string>{"/home/me/loans/House.umd: the loan file is missing."});
    EXPECT_EQ(asked, std::vector<std::string>{"/home/me/loans/House.umd"});
    const HistoryResult r = *calculateHistory(h);
    EXPECT_EQ(r.lines.back().name, "House (loan file missing)");
    EXPECT_EQ(historyFigure(r.summary[0].liabilities, {}), "284,530.95");
    History found = *read;
    EXPECT_TRUE(readFollowedLoans(found, "/home/me", [](const std::string&) {
                    return std::optional<std::string>(DatedMortgage);
                }).empty());
    EXPECT_TRUE(found.loans[0].balances.has_value());
}

TEST(HistoryFile, RefusesWhatTheWorksheetCouldNotHaveWritten) {
    const std::string good = writeHistoryFile(twoStatements(), "/home/me");
    const auto changed = [&](const std::string& from, const std::string& to) {
        std::string t = good;
        return t.replace(t.find(from), from.size(), to);
    };
    std::string full = "\"Pecunex\",\"History\",1\r\n601,0\r\n";
    const std::pair<const char*, std::string> rows[] = {
        {"another kind", changed("\"History\"", "\"Goal\"")},
        {"a damaged statement", changed("412000", "-412000")},
        {"two on one date", changed("2025-12-31", "2024-12-31")},
        {"out of order", changed("2025-12-31", "2023-12-31")},
        {"not a date", changed("2025-12-31", "2025-13-31")},
        {"a statement cut short", changed("\"loans/House.umd\"\r\n", "")},
        {"a label with a control character", changed("Year end", "Year\tend")},
        {"601 statements", full},
    };
    for (const auto& [what, text] : rows) {
        const Result<History> r = readHistoryFile(text);
        ASSERT_FALSE(r.ok()) << what;
        EXPECT_EQ(r.failure().code, msg::FileNotFound) << what;
    }
}

} // namespace
