// Budget files: the layout written, round trips, and what a reader refuses.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "BudgetFile.h"
#include "BudgetSort.h"
#include "BudgetTestData.h"

namespace {

std::string readText(const std::string& path) {
    std::ostringstream s;
    s << std::ifstream(path, std::ios::binary).rdbuf();
    return s.str();
}

TEST(BudgetFile, WritesCountsRecordsAndShortestNumbers) {
    BudgetTables t;
    add(t, RecordSide::Income, "Salary", "52000", 26, "52000"); // the layout's own example
    EXPECT_EQ(writeBudgetFile(t), "1\r\n1,\"Salary\",52000,26,52000\r\n0\r\n");
    add(t, RecordSide::Expense, "Phone, internet", "1234.5", 12, "0.0833");
    EXPECT_EQ(
        writeBudgetFile(t),
        "1\r\n1,\"Salary\",52000,26,52000\r\n1\r\n1,\"Phone, internet\",1234.5,12,0.0833\r\n");
    EXPECT_EQ(writeBudgetFile(BudgetTables{}), "0\r\n0\r\n");
}

TEST(BudgetFile, WhatIsWrittenReadsBackUnchanged) {
    BudgetTables t;
    add(t, RecordSide::Income, "Rental income, basement", "9600", 12, "9000");
    add(t, RecordSide::Income, "Thirds", "333.3333", 1, "0.0001");
    add(t, RecordSide::Expense, "  blanks kept  ", "0", 0, "0");
    const BudgetFileRead read = readBudgetFile(writeBudgetFile(t));
    ASSERT_FALSE(read.error) << read.error->what;
    EXPECT_EQ(read.tables.IncomeCount, 2);
    EXPECT_EQ(read.tables.ExpenseCount, 1);
    for (int i = 1; i <= 2; ++i)
        EXPECT_EQ(read.tables.IncomeRecords[i], t.IncomeRecords[i]);
    EXPECT_EQ(read.tables.ExpenseRecords[1], t.ExpenseRecords[1]); // 0 payments a year loads
}

TEST(BudgetFile, RecordsSavedHiLoReloadInFileOrderAndSortByTheChosenOrder) {
    BudgetTables t;
    add(t, RecordSide::Income, "b", "300", 1, "0");
    add(t, RecordSide::Income, "c", "200", 1, "0");
    add(t, RecordSide::Income, "a", "100", 1, "0");
    BudgetFileRead read = readBudgetFile(writeBudgetFile(t));
    ASSERT_FALSE(read.error);
    read.tables.SortOrder = 1;
    SortIncomeRecords(read.tables);
    EXPECT_EQ(names(read.tables, RecordSide::Income), "a|b|c");
    EXPECT_EQ(read.tables.IncomeRecords[1].RecNo, 1);
}

TEST(BudgetFile, ReadsTheReferenceFileAndOtherLineEnds) {
    const BudgetFileRead ref =
        readBudgetFile(readText(PECUNEX_SOURCE_DIR "/tests/golden/budget-household.Bgt"));
    ASSERT_FALSE(ref.error);
    EXPECT_EQ(ref.tables.IncomeCount, 3);
    EXPECT_EQ(ref.tables.ExpenseCount, 6);
    EXPECT_EQ(ref.tables.IncomeRecords[2].Description, "Rental income, basement");
    EXPECT_EQ(ref.tables.IncomeRecords[3].AnnualAmount, money("310.5"));

    for (const char* text :
         {"1\r1,\"A\",10,1,9\r0\r", "1\n1,\"A\",10,1,9\n0\n",
          "\xEF\xBB\xBF"
          "1\r\n1,\"A\",10,1,9\r\n0\r\n",
          "1\r\n1, A ,10.,1,9\r\n0", "1\r\n1,\"A\",10,1,9\r\n0\r\nanything after the lists\r\n",
          " 1 \r\n 1 , \"A\" , 1e1 , 1 , 9.00 \r\n 0 \r\n"}) {
        const BudgetFileRead r = readBudgetFile(text);
        ASSERT_FALSE(r.error) << text << ": " << r.error->what;
        EXPECT_EQ(r.tables.IncomeRecords[1].Description, "A") << text;
        EXPECT_EQ(r.tables.IncomeRecords[1].AnnualAmount, money("10")) << text;
        EXPECT_EQ(r.tables.IncomeRecords[1].AnnualBudgeted, money("9")) << text;
    }
    const BudgetFileRead empty = readBudgetFile("0\r\n0\r\n");
    EXPECT_FALSE(empty.error);
    EXPECT_TRUE(empty.tables.empty());
}

TEST(BudgetFile, RefusesWhatNoWorksheetWritesAndKeepsWhatWasRead) {
    const struct {
        const char* text;
        int incomeCount, expenseCount;
        const char* firstIncome; // description of income record 1
        const char* what;
    } rows[] = {
        {"", 0, 0, "", "an empty file"},
        {"\r\n\r\n", 0, 0, "", "only line ends"},
        {"501\r\n", 0, 0, "", "a count over 500"},
        {"-1\r\n0\r\n", 0, 0, "", "a negative count"},
        {"1.5\r\n", 0, 0, "", "a fractional count"},
        {"\"two\"\r\n", 0, 0, "", "text for a count"},
        {"2\r\n1,\"A\",10,1,10\r\n", 2, 0, "A", "a short file: the count as read, record 1 kept"},
        {"1\r\n1,\"A\",10,1,10\r\n", 1, 0, "A", "no expense count"},
        {"1\r\n1,\"A\",ten,1,10\r\n0\r\n", 1, 0, "A", "text where an amount belongs"},
        {"1\r\n1,\"A\",\"10\",1,10\r\n0\r\n", 1, 0, "A", "a quoted amount"},
        {"1\r\n1,\"A\",-10,1,10\r\n0\r\n", 1, 0, "A", "a negative amount"},
        {"1\r\n1,\"A\",10,1,-1\r\n0\r\n", 1, 0, "A", "a negative budgeted amount"},
        {"1\r\n1,\"A\",10,2.5,10\r\n0\r\n", 1, 0, "A", "fractional payments a year"},
        {"1\r\n1,\"A\",10,-2,10\r\n0\r\n", 1, 0, "A", "negative payments a year"},
        {"1\r\n0,\"A\",10,1,10\r\n0\r\n", 1, 0, "", "record number 0"},
        {"1\r\n1.5,\"A\",10,1,10\r\n0\r\n", 1, 0, "", "a fractional record number"},
        {"1\r\n1,\"A,10,1,10\r\n0\r\n", 1, 0, "", "an unterminated string"},
        {"1\r\n1,\"A\",10,1,10\r\n1\r\n1,\"B\",1e400,1,1\r\n", 1, 1, "A", "an amount out of range"},
    };
    for (const auto& r : rows) {
        const BudgetFileRead read = readBudgetFile(r.text);
        ASSERT_TRUE(read.error) << r.what;
        EXPECT_EQ(read.error->code, 13) << r.what;
        EXPECT_EQ(read.tables.IncomeCount, r.incomeCount) << r.what;
        EXPECT_EQ(read.tables.ExpenseCount, r.expenseCount) << r.what;
        EXPECT_EQ(read.tables.IncomeRecords[1].Description, r.firstIncome) << r.what;
    }
    // The slots the reading did not reach stay empty (they show as .00).
    const BudgetFileRead partial = readBudgetFile("3\r\n1,\"A\",10,1,10\r\n2,\"B\",20\r\n");
    EXPECT_EQ(partial.tables.IncomeRecords[2].AnnualAmount, money("20"));
    EXPECT_EQ(partial.tables.IncomeRecords[2].PaymentsPerYear, Currency{});
    EXPECT_EQ(partial.tables.IncomeRecords[3], BudgetRecord{});
}

// The sample the quick help offers is a file our own writer produces, sorted by name.
TEST(BudgetFile, TheSampleFileReadsAndIsWrittenBackByteForByte) {
    const std::string sample = readText(PECUNEX_SOURCE_DIR "/samples/Sample.BGT");
    BudgetFileRead read = readBudgetFile(sample);
    ASSERT_FALSE(read.error);
    EXPECT_EQ(read.tables.IncomeCount, 6);
    EXPECT_EQ(read.tables.ExpenseCount, 12);
    EXPECT_EQ(writeBudgetFile(read.tables), sample);
    read.tables.SortOrder = 1;
    SortExpenseRecords(read.tables);
    EXPECT_EQ(writeBudgetFile(read.tables), sample);
}

TEST(BudgetFile, FiveHundredRecordsASideRoundTrip) {
    BudgetTables t;
    for (int i = 1; i <= MaxBudgetRecords; ++i) {
        add(t, RecordSide::Income, "income " + std::to_string(i), "1234.5678", 12, "1000");
        add(t, RecordSide::Expense, "expense, " + std::to_string(i), "0.0001", 52, "0");
    }
    const BudgetFileRead read = readBudgetFile(writeBudgetFile(t));
    ASSERT_FALSE(read.error);
    EXPECT_EQ(read.tables.IncomeRecords, t.IncomeRecords);
    EXPECT_EQ(read.tables.ExpenseRecords, t.ExpenseRecords);
}

} // namespace
