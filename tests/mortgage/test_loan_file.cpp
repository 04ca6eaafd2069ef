#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "Dates.h"
#include "LoanFile.h"
#include "Messages.h"

namespace {

Currency money(double value) {
    return Currency::fromDouble(value).value();
}

// The example loan of the reference printouts: 18,000 at 9.25 %, 36 months, monthly.
const std::string ExampleLoanFile =
    "18000,9.25,3,\"      Monthly\",\"      Monthly\",\"2027-01-01\",0,1,2,0,0,2,365,\"O\",0\r\n";

TEST(LoanFileWrite, WritesTheHeaderRecordThenOneLinePerAdditionalPayment) {
    LoanFileData d{.input = {.principal = money(18000),
                             .ratePercent = money(9.25),
                             .termYears = money(3),
                             .mode = LoanMode::Loan},
                   .firstPaymentDate = "2027-01-01"};
    EXPECT_EQ(writeLoanFile(d), ExampleLoanFile); // one line without additional payments
    d.input.termYears = money(60.0 / 12.0);       // a loan of 60 months stores 5 years
    EXPECT_EQ(writeLoanFile(d).rfind("18000,9.25,5,", 0), 0u) << writeLoanFile(d);
    d.input.termYears = money(25.0 / 12.0); // 25 months keep four decimals
    EXPECT_EQ(writeLoanFile(d).rfind("18000,9.25,2.0833,", 0), 0u);
    d.extraPaymentCount = 3;
    d.extraPaymentsInUse = 2;
    d.input.extraPayments[1] = money(500);
    d.input.extraPayments[3] = money(1234.5);
    const std::string text = writeLoanFile(d);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4);
    EXPECT_NE(text.find(",3,2,2,365,\"O\",0\r\n1,500\r\n2,0\r\n3,1234.5\r\n"), std::string::npos)
        << text;
}

TEST(LoanFileRead, EveryFieldComesBack) {
    // Every field away from its default, so a field the reader loses or misplaces shows.
    LoanFileData d{.input = {.principal = money(250000.55),
                             .ratePercent = money(5.125),
                             .termYears = money(25),
                             .compounding = "   Semiannual",
                             .frequency = " Biweekly(Acc)",
                             .daysChoice = 3,
                             .scheduleView = ScheduleView::AnnualTotals,
                             .dateView = DateView::Dates,
                             .mode = LoanMode::Loan},
                   .firstPaymentDate = "2027-03-15",
                   .extraPaymentCount = 25,
                   .extraPaymentsInUse = 2};
    d.input.extraPayments[2] = money(5000);
    d.input.extraPayments[25] = money(0.0001);
    const std::string text = writeLoanFile(d);
    const LoanFileRead back = readLoanFile(text);
    ASSERT_FALSE(back.error.has_value()) << back.error->what;
    EXPECT_EQ(writeLoanFile(back.data), text);
    EXPECT_EQ(back.data.input.firstPaymentDate, dateSerial(2027, 3, 15));
}

TEST(LoanFileRead, DaysChoiceAndAdditionalLines) {
    // Choice 4 opens as 0 (365.25 days); the choice supersedes the stored days.
    LoanFileRead r = readLoanFile(
        "1,6,25,\"      Monthly\",\"      2 Weeks\",\"2027-01-01\",0,4,2,0,0,1,365,\"O\",0");
    ASSERT_FALSE(r.error.has_value());
    EXPECT_EQ(r.data.input.daysChoice, 0);
    EXPECT_NE(writeLoanFile(r.data).find(",365.25,"), std::string::npos);
    r = readLoanFile(
        "1,6,25,\"      Monthly\",\"      2 Weeks\",\"2027-01-01\",0,2,2,0,0,1,365.25,\"O\",0");
    EXPECT_NE(writeLoanFile(r.data).find(",364,"), std::string::npos);
    // An additional line's year field does not place it: line 1 goes to year 1, and so on.
    r = readLoanFile(
        "1,6,25,\"      Monthly\",\"      Monthly\",\"1/15/27\",0,1,2,3,2,1,365,\"O\",0\r\n"
        "7,100\r\n3,.5\r\n9,2\r\n");
    ASSERT_FALSE(r.error.has_value());
    EXPECT_EQ(r.data.input.extraPayments[1], money(100));
    EXPECT_EQ(r.data.input.extraPayments[2], money(0.5));
    EXPECT_EQ(r.data.input.extraPayments[3], money(2));
    EXPECT_EQ(r.data.input.firstPaymentDate, dateSerial(2027, 1, 15)); // an old month/day/year date
}

TEST(LoanFileRead, ShortAndGarbledFilesAreErrorThirteen) {
    const std::string head = "18000,9.25,3,\"      Monthly\",\"      Monthly\",\"2027-01-01\",";
    const std::string damaged[] = {
        "\"abc\",9.25,3,\"      Monthly\",\"      "
        "Monthly\",\"2027-01-01\",0,1,2,0,0,2,365,\"O\",0\r\n",
        head + "x,1,2,0,0,2,365,\"O\",0\r\n",
        head + "0,1,2,99999,0,2,365,\"O\",0\r\n",      // absurd count of additional payments
        head + "0,1,2,46,0,2,365,\"O\",0\r\n",         // more years than a schedule holds
        head + "0,1,2,2,0,2,365,\"O\",0\r\n1,100\r\n", // one of two additional lines
        "\"unterminated,9.25,3",
        "\x01\x02\xff\xfe,,,,,,,,,,,,,,,,,",
    };
    for (const std::string& text : damaged) {
        const LoanFileRead r = readLoanFile(text);
        ASSERT_TRUE(r.error.has_value()) << text;
        EXPECT_EQ(r.error->code, msg::FileNotFound);
    }
    // Every prefix of a good file that stops before the reserved fields is refused too.
    for (std::size_t n = 0; n <= ExampleLoanFile.find(",\"O\",0"); ++n) {
        const LoanFileRead r = readLoanFile(ExampleLoanFile.substr(0, n));
        ASSERT_TRUE(r.error.has_value()) << ExampleLoanFile.substr(0, n);
        EXPECT_EQ(r.error->code, msg::FileNotFound);
    }
    // What was read before the fault is kept (the worksheet shows it).
    const LoanFileRead r = readLoanFile("18000,9.25,3,\"   Semiannual\",12,13");
    EXPECT_EQ(r.data.input.termYears, money(3));
    EXPECT_EQ(r.data.input.compounding, "   Semiannual");
    EXPECT_EQ(r.headerFieldsRead, 4); // the bare 12 is no frequency entry
    EXPECT_EQ(readLoanFile(ExampleLoanFile).headerFieldsRead, 15);
}

// Each stored field just inside and just outside what the worksheet can produce
// (source: the entry fields' filters and lists, and the settled rules for stored values).
TEST(LoanFileRead, FieldsOutsideWhatTheWorksheetProducesAreRefused) {
    std::vector<std::string> header;
    std::istringstream line(
        "18000,9.25,3,\"      Monthly\",\"      Monthly\",\"2027-01-01\",0,1,2,2,0,2,365,\"O\",0");
    for (std::string item; std::getline(line, item, ',');)
        header.push_back(item);
    ASSERT_EQ(header.size(), 15u);
    const struct {
        int field;
        const char* value;
        const char* lines;
        bool read;
        const char* why;
    } cases[] = {
        {1, "0", nullptr, true, "a zero principal calculates"},
        {1, "-0.0001", nullptr, false, "negative principal"},
        {2, "0", nullptr, true, "a zero rate is message 3 at the calculation"},
        {2, "-0.0001", nullptr, false, "negative rate"},
        {3, "0.0833", nullptr, true, "a loan of one month"},
        {3, "0.0832", nullptr, false, "a term below one payment"},
        {3, "41", nullptr, true, "over forty years is message 5 at the calculation"},
        {4, "\"       Annual\"", nullptr, true, "last compounding entry"},
        {4, "\"Annual\"", nullptr, false, "not a list entry (blanks missing)"},
        {5, "\"   Weekly(Acc)\"", nullptr, true, "last frequency entry"},
        {5, "\"   Weekly\"", nullptr, false, "not a list entry"},
        {6, "\"9997-01-01\"", nullptr, true, "3 years: last payment 9999-12-01"},
        {6, "\"9997-01-02\"", nullptr, false, "3 years: the term ends 10000-01-02"},
        {7, "1", nullptr, true, "dates on"},
        {7, "2", nullptr, false, "date view outside 0-1"},
        {7, "-1", nullptr, false, "date view outside 0-1"},
        {8, "4", nullptr, true, "an old file's 365.25 days"},
        {8, "5", nullptr, false, "days choice outside 0-4"},
        {8, "-1", nullptr, false, "days choice outside 0-4"},
        {9, "1", nullptr, true, "annual view"},
        {9, "0", nullptr, false, "view outside 1-2"},
        {9, "3", nullptr, false, "view outside 1-2"},
        {10, "0", "", true, "no additional payments"},
        {10, "-1", "", false, "negative count"},
        {11, "2", nullptr, true, "both rows in use"},
        {11, "3", nullptr, false, "more in use than stored"},
        {11, "-1", nullptr, false, "negative count in use"},
        {12, "1", nullptr, true, "mortgage mode"},
        {12, "0", nullptr, false, "mode outside 1-2"},
        {12, "3", nullptr, false, "mode outside 1-2"},
        {0, nullptr, "1,100\r\n45,0\r\n", true, "years 1 and 45"},
        {0, nullptr, "0,100\r\n2,0\r\n", false, "year 0"},
        {0, nullptr, "1,100\r\n46,0\r\n", false, "year 46"},
        {0, nullptr, "1,100\r\n2,-0.0001\r\n", false, "negative additional payment"},
        {0, nullptr, "1,abc\r\n2,0\r\n", false, "an amount that is no number"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> items = header;
        if (c.value)
            items[static_cast<std::size_t>(c.field - 1)] = c.value;
        std::string text;
        for (const std::string& item : items)
            text += (text.empty() ? "" : ",") + item;
        text += "\r\n";
        text += c.lines ? c.lines : "1,100\r\n2,0\r\n";
        const LoanFileRead r = readLoanFile(text);
        EXPECT_EQ(!r.error.has_value(), c.read) << c.why << ": " << text;
        if (r.error) {
            EXPECT_EQ(r.error->code, msg::FileNotFound) << c.why;
        }
        // The refused field is not kept: the worksheet shows only the fields before it.
        if (r.error && c.field > 0 && c.field != 11) {
            EXPECT_LT(r.headerFieldsRead, c.field) << c.why;
        }
    }
    // A count of 45 with 45 lines is the most the table holds.
    std::string full;
    for (const std::string& item : header)
        full += (full.empty() ? "" : ",") + item;
    full.replace(full.find(",0,1,2,2,0,2,"), 13, ",0,1,2,45,0,2,");
    full += "\r\n";
    for (int y = 1; y <= 45; ++y)
        full += std::to_string(y) + ",1\r\n";
    EXPECT_FALSE(readLoanFile(full).error.has_value()) << full;
}

} // namespace
