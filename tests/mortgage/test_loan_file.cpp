#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "Dates.h"
#include "LoanFile.h"
#include "Messages.h"

namespace {

Currency money(double value) { return Currency::fromDouble(value).value(); }

std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

int lineCount(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

// The example loan of the reference printouts: 18,000 at 9.25 %, 36 months, monthly.
LoanFileData exampleLoan() {
    LoanFileData d;
    d.input.principal = money(18000);
    d.input.ratePercent = money(9.25);
    d.input.termYears = money(3);
    d.input.compounding = "      Monthly";
    d.input.frequency = "      Monthly";
    d.input.daysChoice = 1;
    d.input.scheduleView = 2;
    d.input.dateView = 0;
    d.input.mortgageMode = 2;
    d.firstPaymentDate = "2027-01-01";
    d.daysInYear = 365;
    return d;
}

TEST(LoanFileWrite, MatchesTheReferenceFileByteForByte) {
    // the example .uld shipped with the reference printouts
    EXPECT_EQ(writeLoanFile(exampleLoan()),
              "18000,9.25,3,\"      Monthly\",\"      Monthly\",\"2027-01-01\",0,1,2,0,0,2,365,\"O\",0\r\n");
}

TEST(LoanFileWrite, WithoutAdditionalPaymentsIsExactlyOneLine) {
    const std::string text = writeLoanFile(exampleLoan());
    EXPECT_EQ(lineCount(text), 1);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

TEST(LoanFileWrite, SixtyMonthLoanStoresFiveYears) {
    LoanFileData d = exampleLoan();
    d.input.termYears = money(60.0 / 12.0);
    const std::string text = writeLoanFile(d);
    EXPECT_EQ(text.rfind("18000,9.25,5,", 0), 0u) << text;
    // 25 months keep four decimals: 25 / 12 = 2.0833
    d.input.termYears = money(25.0 / 12.0);
    EXPECT_EQ(writeLoanFile(d).rfind("18000,9.25,2.0833,", 0), 0u);
}

TEST(LoanFileWrite, AdditionalPaymentsFollowAsYearAndAmount) {
    LoanFileData d = exampleLoan();
    d.extraPaymentCount = 3;
    d.extraPaymentsInUse = 2;
    d.input.extraPayments[1] = money(500);
    d.input.extraPayments[3] = money(1234.5);
    const std::string text = writeLoanFile(d);
    EXPECT_EQ(lineCount(text), 4);
    EXPECT_NE(text.find("\r\n1,500\r\n2,0\r\n3,1234.5\r\n"), std::string::npos) << text;
}

TEST(LoanFileRoundTrip, EveryFieldComesBack) {
    LoanFileData d;
    d.input.principal = money(250000.55);
    d.input.ratePercent = money(5.125);
    d.input.termYears = money(25);
    d.input.compounding = "   Semiannual";
    d.input.frequency = " Biweekly(Acc)";
    d.input.daysChoice = 3;
    d.input.scheduleView = 1;
    d.input.dateView = 1;
    d.input.mortgageMode = 1;
    d.firstPaymentDate = "2027-03-15";
    d.extraPaymentCount = 25;
    d.extraPaymentsInUse = 2;
    d.input.extraPayments[2] = money(5000);
    d.input.extraPayments[25] = money(0.0001);
    d.daysInYear = 363;

    const LoanFileRead back = readLoanFile(writeLoanFile(d));
    ASSERT_FALSE(back.error.has_value()) << back.error->what;
    const AmortizationInput& in = back.data.input;
    EXPECT_EQ(in.principal, d.input.principal);
    EXPECT_EQ(in.ratePercent, d.input.ratePercent);
    EXPECT_EQ(in.termYears, d.input.termYears);
    EXPECT_EQ(in.compounding, d.input.compounding);
    EXPECT_EQ(in.frequency, d.input.frequency);
    EXPECT_EQ(back.data.firstPaymentDate, "2027-03-15");
    EXPECT_EQ(in.firstPaymentDate, dateSerial(2027, 3, 15));
    EXPECT_EQ(in.dateView, 1);
    EXPECT_EQ(in.daysChoice, 3);
    EXPECT_EQ(in.scheduleView, 1);
    EXPECT_EQ(back.data.extraPaymentCount, 25);
    EXPECT_EQ(back.data.extraPaymentsInUse, 2);
    EXPECT_EQ(in.mortgageMode, 1);
    EXPECT_EQ(back.data.daysInYear, 363.0f);
    EXPECT_EQ(in.extraPayments, d.input.extraPayments);
}

TEST(LoanFileRead, DaysChoiceFourOpensAs365AndAQuarter) {
    const LoanFileRead r =
        readLoanFile("100000,6,25,\"      Monthly\",\" Biweekly(Acc)\",\"2027-01-01\",0,4,2,0,0,1,365,\"O\",0\r\n");
    ASSERT_FALSE(r.error.has_value());
    EXPECT_EQ(r.data.input.daysChoice, 0);
    EXPECT_EQ(r.data.daysInYear, 365.25f);
}

TEST(LoanFileRead, TheDaysChoiceSupersedesTheStoredDays) {
    const LoanFileRead r =
        readLoanFile("100000,6,25,\"      Monthly\",\"      2 Weeks\",\"2027-01-01\",0,2,2,0,0,1,365.25,\"O\",0\r\n");
    ASSERT_FALSE(r.error.has_value());
    EXPECT_EQ(r.data.daysInYear, 364.0f);
}

TEST(LoanFileRead, AdditionalLinesFillRowsInFileOrder) {
    // The year field of a line is not used to place it: line 1 goes to year 1, and so on.
    const LoanFileRead r = readLoanFile("100000,6,25,\"      Monthly\",\"      Monthly\",\"1/15/27\",0,1,2,3,2,1,365,"
                                        "\"O\",0\r\n7,100\r\n3,.5\r\n9,-2\r\n");
    ASSERT_FALSE(r.error.has_value());
    EXPECT_EQ(r.data.input.extraPayments[1], money(100));
    EXPECT_EQ(r.data.input.extraPayments[2], money(0.5));
    EXPECT_EQ(r.data.input.extraPayments[3], money(-2));
    EXPECT_EQ(r.data.input.extraPayments[4], Currency{});
    EXPECT_EQ(r.data.input.firstPaymentDate, dateSerial(2027, 1, 15));  // an old month/day/year date
}

TEST(LoanFileRead, ShortAndGarbledFilesAreErrorThirteen) {
    const std::string good = writeLoanFile(exampleLoan());
    const char* damaged[] = {
        "",
        "18000",
        "18000,9.25,3,\"      Monthly\"",
        "18000,9.25,3,\"      Monthly\",\"      Monthly\",\"2027-01-01\",0,1,2,0,0,2,365,\"O\"",  // 14 fields
        "\"abc\",9.25,3,\"      Monthly\",\"      Monthly\",\"2027-01-01\",0,1,2,0,0,2,365,\"O\",0\r\n",
        "18000,9.25,3,\"      Monthly\",\"      Monthly\",\"2027-01-01\",x,1,2,0,0,2,365,\"O\",0\r\n",
        "18000,9.25,3,\"      Monthly\",\"      Monthly\",\"2027-01-01\",0,1,2,99999,0,2,365,\"O\",0\r\n",
        "18000,9.25,3,\"      Monthly\",\"      Monthly\",\"2027-01-01\",0,1,2,2,0,2,365,\"O\",0\r\n1,100\r\n",
        "18000,9.25,3,\"      Monthly\",\"      Monthly\",\"2027-01-01\",0,1,2,46,0,2,365,\"O\",0\r\n",
        "\"unterminated,9.25,3",
        "\x01\x02\xff\xfe,,,,,,,,,,,,,,,,,",
    };
    for (const char* text : damaged) {
        SCOPED_TRACE(text);
        const LoanFileRead r = readLoanFile(text);
        ASSERT_TRUE(r.error.has_value());
        EXPECT_EQ(r.error->code, msg::FileNotFound);
    }
    // Every prefix of a good file that stops before the reserved fields is refused too.
    const std::size_t reserved = good.find(",\"O\",0");
    ASSERT_NE(reserved, std::string::npos);
    for (std::size_t n = 0; n <= reserved; ++n)
        EXPECT_TRUE(readLoanFile(good.substr(0, n)).error.has_value()) << good.substr(0, n);
}

TEST(LoanFileRead, KeepsTheFieldsReadBeforeTheFault) {
    const LoanFileRead r = readLoanFile("18000,9.25,3,\"   Semiannual\",12,13");
    ASSERT_TRUE(r.error.has_value());
    EXPECT_EQ(r.data.input.principal, money(18000));
    EXPECT_EQ(r.data.input.termYears, money(3));
    EXPECT_EQ(r.data.input.compounding, "   Semiannual");
}

// The sample files in samples/ are what the writer writes for the loans they describe.
TEST(LoanFileSamples, AreOurWritersOutput) {
    LoanFileData mortgage;
    mortgage.input.principal = money(250000);
    mortgage.input.ratePercent = money(5.25);
    mortgage.input.termYears = money(25);
    mortgage.input.compounding = "   Semiannual";
    mortgage.input.frequency = " Biweekly(Acc)";
    mortgage.input.daysChoice = 1;
    mortgage.input.dateView = 1;
    mortgage.input.scheduleView = 2;
    mortgage.input.mortgageMode = 1;
    mortgage.input.extraPayments[3] = money(5000);
    mortgage.input.extraPayments[7] = money(10000);
    mortgage.firstPaymentDate = "2027-02-05";
    mortgage.extraPaymentCount = 25;
    mortgage.extraPaymentsInUse = 2;
    mortgage.daysInYear = 365;

    LoanFileData loan;
    loan.input.principal = money(15000);
    loan.input.ratePercent = money(7.9);
    loan.input.termYears = money(48.0 / 12.0);
    loan.input.compounding = "      Monthly";
    loan.input.frequency = "      Monthly";
    loan.input.daysChoice = 1;
    loan.input.scheduleView = 2;
    loan.input.mortgageMode = 2;
    loan.firstPaymentDate = "2027-01-15";
    loan.extraPaymentCount = 4;
    loan.daysInYear = 365;

    const std::string dir = PECUNEX_SOURCE_DIR "/samples/";
    const bool update = std::getenv("PECUNEX_UPDATE_GOLDEN") != nullptr;
    for (auto [name, data] : {std::pair{"Sample.umd", mortgage}, std::pair{"Sample.uld", loan}}) {
        SCOPED_TRACE(name);
        const std::string text = writeLoanFile(data);
        if (update)
            std::ofstream(dir + name, std::ios::binary) << text;
        EXPECT_EQ(readText(dir + name), text);
        EXPECT_FALSE(readLoanFile(text).error.has_value());
    }
}

} // namespace
