// Budget vs actual without a window: the worked household month, duplicates, rules, periods,
// proposals and the actuals file.
#include <gtest/gtest.h>

#include "ActualFile.h"
#include "ActualPeriod.h"
#include "ActualProposals.h"
#include "ActualReport.h"
#include "ActualTestData.h"
#include "Messages.h"

namespace {

using namespace actual_test;

std::string figure(const std::optional<Currency>& c) {
    return c ? c->toPlainString() : "none";
}

// The household's March, held against its budget month by month from 2025-03-01.
// By hand: Groceries 150 x 52 / 12 = 650.00; spent 143.20 + 161.85 + 152.40 + 149.99
// + 155.10 = 762.54, 112.54 over, 762.54 / 650 = 117.31 %. Salary 2,000 x 26 / 12 = 4,333.33;
// received 2 x 2,000 = 4,000.00, 333.33 short, 4,000 / 4,333.33 = 92.31 %. Rent 1,200 both.
// The coffee, 4.50, matches no rule.
TEST(ActualMonth, HouseholdCaseComesOutAsWorkedByHand) {
    const auto read = readBankFile("march.csv", MarchCsv);
    ASSERT_TRUE(read.ok()) << read.failure().what;
    Actuals a;
    a.rules = householdRules();
    importTransactions(a.transactions, read.value());
    const auto r =
        compareActuals(a, householdBudget(), *periodFrom("Monthly", *parseDateText("2025-03-01")));
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(actualCsv(*r), "record,kind,budgeted,actual,difference,percent\r\n"
                             "Salary,income,4333.33,4000.00,-333.33,92.31\r\n"
                             "Rent,expense,1200.00,1200.00,0.00,100.00\r\n"
                             "Groceries,expense,650.00,762.54,112.54,117.31\r\n"
                             "(unmatched income),income,0.00,0.00,0.00,\r\n"
                             "(unmatched expenses),expense,0.00,4.50,4.50,\r\n");
    // Totals: expenses 1,200 + 650 budgeted (14,400 + 7,800 a year / 12), 1,962.54 spent.
    EXPECT_EQ(r->expenseTotal.budgeted, money("1850"));
    EXPECT_EQ(r->expenseTotal.actual, money("1962.54"));
    EXPECT_EQ(r->netActual, money("2037.46"));
    ASSERT_EQ(r->unmatched.size(), 1u);
    EXPECT_EQ(a.transactions[static_cast<std::size_t>(r->unmatched[0])].payee, "CORNER COFFEE");
}

// Each row: what is held, what comes in, how many are added.
TEST(ActualImport, AddsOnlyWhatIsNotHeldYet) {
    const auto coffee = transaction("2025-03-05", "-4.50", "COFFEE");
    const auto rent = transaction("2025-03-01", "-1200", "RENT");
    const auto rentA = transaction("2025-03-01", "-1200", "RENT", "A1");
    const auto rentB = transaction("2025-03-01", "-1200", "RENT", "B7");
    const auto rentA2 = transaction("2025-04-01", "-1250", "RENT APRIL", "A1");
    const auto coffeeMemo = transaction("2025-03-05", "-4.50", "COFFEE", "", "latte");
    struct Row {
        const char* why;
        std::vector<BankTransaction> held, incoming;
        int added;
    } rows[] = {
        {"two overlapping exports", {rent, coffee}, {coffee, coffee, rent, rentB}, 1 + 0},
        {"the same file twice", {rent, coffee, coffee}, {rent, coffee, coffee}, 0},
        {"equal ones within a file count", {coffee}, {coffee, coffee, coffee}, 2},
        {"the same FITID, other figures", {rentA}, {rentA2}, 0},
        {"another FITID, the same figures", {rentA}, {rentB}, 1},
        {"a FITID over one without", {rent}, {rentA}, 0},
        {"a memo makes another text", {coffee}, {coffeeMemo}, 1},
        {"a double quote kept as the file keeps it",
         {transaction("2025-03-05", "-4.50", "JOE'S")},
         {transaction("2025-03-05", "-4.50", "JOE\"S")},
         0},
        {"another date", {coffee}, {transaction("2025-03-06", "-4.50", "COFFEE")}, 1},
    };
    for (auto& row : rows) {
        const std::size_t before = row.held.size();
        EXPECT_EQ(importTransactions(row.held, row.incoming), row.added) << row.why;
        EXPECT_EQ(row.held.size(), before + static_cast<std::size_t>(row.added)) << row.why;
    }
}

TEST(ActualRules, FirstFittingRuleOnTheAmountsSideWins) {
    BudgetTables b = householdBudget();
    const EntryValueSet e{Currency{}, money("10"), Currency::fromWhole(12), money("10")};
    appendRecord(b, RecordSide::Income, *recordFromEntries("Refunds", e));
    const std::vector<ActualRule> rules = {
        {"acme", "Groceries"}, {"acme", "Refunds"}, {"PAYROLL", "Salary"}, {"latte", "Rent"}};
    struct Row {
        BankTransaction t;
        std::string record;
    } rows[] = {
        {transaction("2025-03-01", "-20", "Acme Store"), "Groceries"},
        {transaction("2025-03-01", "20", "Acme Store"), "Refunds"},     // money in: not an expense
        {transaction("2025-03-01", "2000", "ACME PAYROLL"), "Refunds"}, // the first fitting rule
        {transaction("2025-03-01", "-2000", "PAYROLL FEE"), ""},        // Salary is income
        {transaction("2025-03-01", "-3", "CAFE", "", "one Latte"), "Rent"}, // inside the memo
        {transaction("2025-03-01", "-3", "CAFE"), ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(recordDescription(b, matchTransaction(row.t, rules, b)), row.record)
            << row.t.payee << " " << row.t.amount.toPlainString();
}

// A period's first and last day from its start; a transaction on either edge counts.
TEST(ActualPeriods, RunFromTheirStartThroughTheirLastDay) {
    const std::tuple<const char*, const char*, const char*, const char*> rows[] = {
        {"Weekly", "2025-03-03", "2025-03-03", "2025-03-09"},
        {"2 Weeks", "2025-12-25", "2025-12-25", "2026-01-07"},
        {"Semi-monthly", "2024-02-20", "2024-02-16", "2024-02-29"},
        {"Semi-monthly", "2025-03-15", "2025-03-01", "2025-03-15"},
        {"Monthly", "2025-01-31", "2025-01-31", "2025-02-27"},
        {"Monthly", "2025-03-01", "2025-03-01", "2025-03-31"},
        {"Quarterly", "2025-04-01", "2025-04-01", "2025-06-30"},
        {"Semi-annual", "2025-07-01", "2025-07-01", "2025-12-31"},
        {"Annual", "2024-01-01", "2024-01-01", "2024-12-31"},
    };
    const BudgetTables b = householdBudget();
    for (const auto& [name, start, first, last] : rows) {
        const auto p = periodFrom(name, *parseDateText(start));
        ASSERT_TRUE(p) << name;
        EXPECT_EQ(isoDate(p->first), first) << name << " " << start;
        EXPECT_EQ(isoDate(p->last), last) << name << " " << start;
        Actuals a;
        a.rules = householdRules();
        for (int day : {p->first - 1, p->first, p->last, p->last + 1})
            a.transactions.push_back({day, money("-1"), "RENT", "", ""});
        EXPECT_EQ(compareActuals(a, b, *p)->expense[0].actual, money("2")) << name;
    }
    EXPECT_FALSE(periodFrom("Fortnightly", 2));
}

TEST(ActualPeriods, PercentOfBudgetToTheHundredth) {
    EXPECT_EQ(figure(percentOf(money("762.54"), money("650"))), "117.31");
    EXPECT_EQ(figure(percentOf(money("1"), money("8"))), "12.5");  // 12.5 exactly
    EXPECT_EQ(figure(percentOf(money("1"), money("3"))), "33.33"); // 33.333...
    EXPECT_EQ(figure(percentOf(money("2"), money("3"))), "66.67"); // 66.666...
    EXPECT_EQ(figure(percentOf(money("-1"), money("3"))), "-33.33");
    EXPECT_EQ(figure(percentOf(money("5"), Currency{})), "none");
}

// Each row: a payee's dates (10.00, 10.01, 10.02, ... in turn); its proposal or none.
TEST(ActualProposals, RecurringPayeesBecomeRecords) {
    struct Row {
        std::vector<const char*> dates;
        int perYear;
    } rows[] = {
        {{"2025-03-03", "2025-03-10", "2025-03-17", "2025-03-23"}, 52},
        {{"2025-01-07", "2025-01-21", "2025-02-04"}, 26},
        {{"2025-01-01", "2025-01-15", "2025-02-01", "2025-02-15"}, 24},
        {{"2025-01-28", "2025-03-01", "2025-03-31", "2025-04-29"}, 12},
        {{"2024-01-15", "2024-04-15", "2024-07-15"}, 4},
        {{"2022-06-01", "2023-06-01", "2024-05-25"}, 1},
        {{"2025-03-01", "2025-03-04", "2025-03-24", "2025-05-08"}, 0}, // irregular
        {{"2025-03-01", "2025-03-08"}, 0},                             // only two
    };
    for (const auto& row : rows) {
        std::vector<BankTransaction> ts;
        int cents = 1000;
        for (const char* d : row.dates)
            ts.push_back({*parseDateText(d), Currency::fromRaw(-cents++ * 100), "GYM #12", "", ""});
        ts.push_back({*parseDateText("2025-03-02"), money("-99"), "RENT", "", ""});
        const auto proposals =
            proposeRecords(ts, matchAll(ts, householdRules(), householdBudget()));
        if (row.perYear == 0) {
            EXPECT_TRUE(proposals.empty()) << row.dates.size();
            continue;
        }
        ASSERT_EQ(proposals.size(), 1u) << row.perYear;
        EXPECT_EQ(proposals[0].description, "GYM");
        EXPECT_EQ(proposals[0].paymentsPerYear, row.perYear);
        // The middle one, or half way between the two middle ones, half a cent up.
        EXPECT_EQ(proposals[0].amount.raw(), row.dates.size() == 3 ? 100100 : 100200);
    }
}

TEST(ActualProposals, AddedRecordsCarryTheirYearlyFiguresAndARule) {
    BudgetTables b = householdBudget();
    std::vector<ActualRule> rules;
    const Proposal gym{"GYM", RecordSide::Expense, money("45.50"), 12, "Monthly", 4};
    ASSERT_TRUE(addProposals(b, rules, {gym}).ok());
    EXPECT_EQ(b.ExpenseCount, 3);
    EXPECT_EQ(b.ExpenseRecords[3].AnnualBudgeted, money("546")); // 45.50 x 12
    EXPECT_EQ(rules, (std::vector<ActualRule>{{"GYM", "GYM"}}));
    b.ExpenseCount = MaxBudgetRecords;
    const BudgetTables full = b;
    EXPECT_EQ(addProposals(b, rules, {gym}).failure().code, msg::RecordLimit500);
    EXPECT_EQ(b.ExpenseCount, full.ExpenseCount);
    EXPECT_EQ(rules.size(), 1u);
}

const std::string SampleFile = "\"Pecunex\",\"Actuals\",1\r\n"
                               "\"../plans/home.Bgt\"\r\n"
                               "2\r\n"
                               "\"2025-03-01\",-1200,\"RENT MARCH\",\"\",\"\"\r\n"
                               "\"2025-03-07\",2000.5,\"ACME, Inc.\",\"pay day\",\"F9\"\r\n"
                               "1\r\n"
                               "\"RENT\",\"Rent\"\r\n";

TEST(ActualFile, WritesItsFormAndReadsItBack) {
    const Result<Actuals> read = readActualFile("\xEF\xBB\xBF" + SampleFile);
    ASSERT_TRUE(read.ok()) << read.failure().what;
    EXPECT_EQ(read->transactions[1].memo, "pay day");
    EXPECT_EQ(writeActualFile(*read), SampleFile);
    EXPECT_EQ(relativeBudgetPath("/home/a/actuals/m.Act", "/home/a/plans/home.Bgt"),
              "../plans/home.Bgt");
    EXPECT_EQ(budgetPathOf("/home/a/actuals/m.Act", "../plans/home.Bgt"), "/home/a/plans/home.Bgt");
}

TEST(ActualFile, RefusesWhatTheWorksheetCouldNotHaveWritten) {
    const std::pair<std::string, std::string> rows[] = {
        {"\"Actuals\"", "\"Goal\""},
        {"\"Actuals\",1", "\"Actuals\",2"},
        {"\r\n2\r\n", "\r\n3\r\n"},
        {"\r\n2\r\n", "\r\n-1\r\n"},
        {"\"2025-03-01\"", "\"3/1/2025\""},
        {"-1200", "\"lots\""},
        {"\"RENT\",\"Rent\"", "\"\",\"Rent\""},
        {"\"RENT\",\"Rent\"", "\"RENT\",\"Rent\",1"},
        {"\r\n1\r\n", "\r\n1.5\r\n"},
        {"-1200", "-1e300"},
    };
    for (const auto& [from, to] : rows) {
        std::string text = SampleFile;
        const Result<Actuals> r = readActualFile(text.replace(text.find(from), from.size(), to));
        ASSERT_FALSE(r.ok()) << text;
        EXPECT_EQ(r.failure().code, msg::FileNotFound) << text;
    }
}

} // namespace
