// Budget files: the layout written, round trips, and what a reader refuses.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "BudgetFile.h"
#include "BudgetTestData.h"

namespace {

std::string readText(const std::string& path) {
    std::ostringstream s;
    s << std::ifstream(PECUNEX_SOURCE_DIR + path, std::ios::binary).rdbuf();
    return s.str();
}

TEST(BudgetFile, WritesCountsRecordsAndShortestNumbersAndReadsThemBack) {
    BudgetTables t;
    EXPECT_EQ(writeBudgetFile(t), "0\r\n0\r\n");
    add(t, RecordSide::Income, "Salary", "52000", 26, "52000"); // the layout's own example
    add(t, RecordSide::Expense, "Phone, internet", "1234.5", 12, "0.0833");
    add(t, RecordSide::Expense, "  blanks kept  ", "0", 0, "0"); // 0 payments a year loads
    const std::string text = writeBudgetFile(t);
    EXPECT_EQ(text, "1\r\n1,\"Salary\",52000,26,52000\r\n2\r\n1,\"Phone, internet\",1234.5,12,"
                    "0.0833\r\n2,\"  blanks kept  \",0,0,0\r\n");
    const BudgetFileRead read = readBudgetFile(text);
    ASSERT_FALSE(read.error) << read.error->what;
    EXPECT_EQ(read.tables.IncomeRecords, t.IncomeRecords);
    EXPECT_EQ(read.tables.ExpenseRecords, t.ExpenseRecords);
    EXPECT_EQ(read.tables.ExpenseCount, 2);

    BudgetTables full; // five hundred records a side
    for (int i = 1; i <= MaxBudgetRecords; ++i) {
        add(full, RecordSide::Income, "income " + std::to_string(i), "1234.5678", 12, "1000");
        add(full, RecordSide::Expense, "expense, " + std::to_string(i), "0.0001", 52, "0");
    }
    const BudgetFileRead back = readBudgetFile(writeBudgetFile(full));
    ASSERT_FALSE(back.error);
    EXPECT_EQ(back.tables.IncomeRecords, full.IncomeRecords);
    EXPECT_EQ(back.tables.ExpenseRecords, full.ExpenseRecords);
}

// The sample the quick help offers is a file our own writer produces; the reference file is
// read by the reference printout test.
TEST(BudgetFile, ReadsTheSampleFileAndOtherLineEnds) {
    const std::string sample = readText("/samples/Sample.BGT");
    const BudgetFileRead read = readBudgetFile(sample);
    ASSERT_FALSE(read.error);
    EXPECT_EQ(writeBudgetFile(read.tables), sample);

    // Other line ends, a byte-order mark, blanks around items, an unquoted name, "10.", 1e1 and
    // anything after the lists.
    for (const char* text : {"\xEF\xBB\xBF 1 \r 1 , \"A\" , 1e1 , 1 , 9.00 \r 0 \r",
                             "1\n1, A ,10.,1,9\n0\nanything after the lists\n"}) {
        const BudgetFileRead r = readBudgetFile(text);
        ASSERT_FALSE(r.error) << text << ": " << r.error->what;
        EXPECT_EQ(r.tables.IncomeRecords[1],
                  (BudgetRecord{1, "A", money("10"), money("1"), money("9")}));
    }
    const BudgetFileRead empty = readBudgetFile("0\r\n0\r\n");
    EXPECT_TRUE(!empty.error && empty.tables.empty());
}

TEST(BudgetFile, RefusesWhatNoWorksheetWritesAndKeepsWhatWasRead) {
    const struct {
        const char* text;
        int incomeCount, expenseCount;
        const char *firstIncome, *what; // the description of income record 1
    } rows[] = {
        {"", 0, 0, "", "an empty file"},
        {"501\r\n", 0, 0, "", "a count over 500"},
        {"-1\r\n0\r\n", 0, 0, "", "a negative count"},
        {"1.5\r\n", 0, 0, "", "a fractional count"},
        {"2\r\n1,\"A\",10,1,10\r\n", 2, 0, "A", "a short file: the count as read, record 1 kept"},
        {"1\r\n1,\"A\",10,1,10\r\n", 1, 0, "A", "no expense count"},
        {"1\r\n1,\"A\",ten,1,10\r\n0\r\n", 1, 0, "A", "text where an amount belongs"},
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
    EXPECT_EQ(partial.tables.IncomeRecords[2], (BudgetRecord{2, "B", money("20"), {}, {}}));
    EXPECT_EQ(partial.tables.IncomeRecords[3], BudgetRecord{});
}

} // namespace
