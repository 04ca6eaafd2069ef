#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "Dates.h"
#include "LoanFile.h"
#include "Messages.h"

namespace {

Currency money(double value) { return Currency::fromDouble(value).value(); }

// The example loan of the reference printouts: 18,000 at 9.25 %, 36 months, monthly.
const std::string ExampleLoanFile =
    "18000,9.25,3,\"      Monthly\",\"      Monthly\",\"2027-01-01\",0,1,2,0,0,2,365,\"O\",0\r\n";

TEST(LoanFileWrite, WritesTheHeaderRecordThenOneLinePerAdditionalPayment) {
    LoanFileData d{.input = {.principal = money(18000), .ratePercent = money(9.25), .termYears = money(3),
                             .mortgageMode = 2},
                   .firstPaymentDate = "2027-01-01"};
    EXPECT_EQ(writeLoanFile(d), ExampleLoanFile);  // one line without additional payments
    d.input.termYears = money(60.0 / 12.0);        // a loan of 60 months stores 5 years
    EXPECT_EQ(writeLoanFile(d).rfind("18000,9.25,5,", 0), 0u) << writeLoanFile(d);
    d.input.termYears = money(25.0 / 12.0);  // 25 months keep four decimals
    EXPECT_EQ(writeLoanFile(d).rfind("18000,9.25,2.0833,", 0), 0u);
    d.extraPaymentCount = 3;
    d.extraPaymentsInUse = 2;
    d.input.extraPayments[1] = money(500);
    d.input.extraPayments[3] = money(1234.5);
    const std::string text = writeLoanFile(d);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4);
    EXPECT_NE(text.find(",3,2,2,365,\"O\",0\r\n1,500\r\n2,0\r\n3,1234.5\r\n"), std::string::npos) << text;
}

TEST(LoanFileRead, EveryFieldComesBack) {
    // Every field away from its default, so a field the reader loses or misplaces shows.
    LoanFileData d{.input = {.principal = money(250000.55), .ratePercent = money(5.125), .termYears = money(25),
                             .compounding = "   Semiannual", .frequency = " Biweekly(Acc)", .daysChoice = 3,
                             .scheduleView = 1, .dateView = 1, .mortgageMode = 2},
                   .firstPaymentDate = "2027-03-15", .extraPaymentCount = 25, .extraPaymentsInUse = 2,
                   .daysInYear = 363};
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
    LoanFileRead r = readLoanFile("1,6,25,\"      Monthly\",\"      2 Weeks\",\"2027-01-01\",0,4,2,0,0,1,365,\"O\",0");
    ASSERT_FALSE(r.error.has_value());
    EXPECT_EQ(r.data.input.daysChoice, 0);
    EXPECT_EQ(r.data.daysInYear, 365.25f);
    r = readLoanFile("1,6,25,\"      Monthly\",\"      2 Weeks\",\"2027-01-01\",0,2,2,0,0,1,365.25,\"O\",0");
    EXPECT_EQ(r.data.daysInYear, 364.0f);
    // An additional line's year field does not place it: line 1 goes to year 1, and so on.
    r = readLoanFile("1,6,25,\"      Monthly\",\"      Monthly\",\"1/15/27\",0,1,2,3,2,1,365,\"O\",0\r\n"
                     "7,100\r\n3,.5\r\n9,-2\r\n");
    ASSERT_FALSE(r.error.has_value());
    EXPECT_EQ(r.data.input.extraPayments[1], money(100));
    EXPECT_EQ(r.data.input.extraPayments[2], money(0.5));
    EXPECT_EQ(r.data.input.extraPayments[3], money(-2));
    EXPECT_EQ(r.data.input.firstPaymentDate, dateSerial(2027, 1, 15));  // an old month/day/year date
}

TEST(LoanFileRead, ShortAndGarbledFilesAreErrorThirteen) {
    const std::string head = "18000,9.25,3,\"      Monthly\",\"      Monthly\",\"2027-01-01\",";
    const std::string damaged[] = {
        "\"abc\",9.25,3,\"      Monthly\",\"      Monthly\",\"2027-01-01\",0,1,2,0,0,2,365,\"O\",0\r\n",
        head + "x,1,2,0,0,2,365,\"O\",0\r\n",
        head + "0,1,2,99999,0,2,365,\"O\",0\r\n",          // absurd count of additional payments
        head + "0,1,2,46,0,2,365,\"O\",0\r\n",             // more years than a schedule holds
        head + "0,1,2,2,0,2,365,\"O\",0\r\n1,100\r\n",     // one of two additional lines
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
    EXPECT_EQ(r.headerFieldsRead, 6);  // the bare 12 and 13 read as frequency and date texts
    EXPECT_EQ(readLoanFile(ExampleLoanFile).headerFieldsRead, 15);
}

} // namespace
