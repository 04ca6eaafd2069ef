// The lender's arithmetic, checked against published schedules and hand calculations.
#include <gtest/gtest.h>

#include <sstream>

#include "CompareEngine.h"
#include "CompareFile.h"
#include "CompareReport.h"
#include "Dates.h"
#include "FileText.h"
#include "LoanFile.h"
#include "PlanText.h"
#include "TextPrinter.h"

namespace {

Currency money(double value) {
    return Currency::fromDoubleOrThrow(value);
}

LoanPlan bankPlan(double principal, double rate, int compounding, int years, Convention c) {
    LoanPlan plan;
    plan.principal = money(principal);
    plan.ratePercent = rate;
    plan.compounding = compounding;
    plan.term = years;
    plan.convention = c;
    return plan;
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

PlanResult calculated(const LoanPlan& plan) {
    const Result<PlanResult> result = calculatePlan(plan);
    if (!result)
        ADD_FAILURE() << result.failure().what;
    return result ? result.value() : PlanResult{};
}

// A published 30-year schedule (400,000 at 5.95 % compounded monthly, interest to the cent):
// the exact-interest convention differs from it only in the last payment.
TEST(CompareEngine, PublishedMonthlyScheduleToTheCent) {
    const PlanResult cents = calculated(bankPlan(400000, 5.95, 0, 30, Convention::BankCents));
    EXPECT_EQ(cents.payment, money(2385.36));
    EXPECT_EQ(cents.rows[0].interest, money(1983.33));
    EXPECT_EQ(cents.rows[179].balance, money(283580.13));
    EXPECT_EQ(cents.payments, 360);
    EXPECT_EQ(cents.lastPayment, money(2384.39));
    const PlanResult exact = calculated(bankPlan(400000, 5.95, 0, 30, Convention::BankExact));
    EXPECT_EQ(exact.payments, 360);
    EXPECT_EQ(exact.lastPayment, money(2384.23));
}

// A published Canadian schedule: 180,000 at 4.64 % compounded semi-annually, paid monthly
// over 25 years, exact interest.
TEST(CompareEngine, PublishedSemiAnnualCompounding) {
    const PlanResult r = calculated(bankPlan(180000, 4.64, 3, 25, Convention::BankExact));
    EXPECT_EQ(r.payment, money(1010.31));
    EXPECT_EQ(r.payments, 300);
    EXPECT_EQ(r.rows[298].payment, money(1010.31));
    EXPECT_EQ(r.lastPayment, money(1009.47));
    EXPECT_EQ(r.totalInterest, money(123092.16));
    const YearRow year1 = yearlyTotals(r.rows, r.paymentsPerYear, Currency{}).front();
    EXPECT_EQ(year1.payments.sub(yearInterest(year1)), money(3933.50));
    EXPECT_EQ(yearInterest(year1), money(8190.22));
    EXPECT_EQ(year1.balance, money(176066.50));
}

// A published car loan on daily interest: 5,000 lent 2010-03-01, 48 payments of 134.57 from
// 2010-04-01, 13.1475 % on actual days / 365, interest rounded down.
TEST(CompareEngine, PublishedDailyInterestLoan) {
    LoanPlan plan = bankPlan(5000, 13.1475, 0, 4, Convention::BankCents);
    plan.givenPayment = money(134.57);
    plan.interestRounding = InterestRounding::Down;
    plan.loanDate = dateSerial(2010, 3, 1);
    plan.firstPayment = dateSerial(2010, 4, 1);
    const PlanResult r = calculated(plan);
    EXPECT_EQ(r.rows[0].interest, money(55.83));
    EXPECT_EQ(r.rows[0].principal, money(78.74));
    EXPECT_EQ(r.rows[0].balance, money(4921.26));
    EXPECT_EQ(r.payments, 48);
    EXPECT_EQ(r.payoffDate, dateSerial(2014, 3, 1));
    EXPECT_EQ(r.totalInterest, money(1459.36));
}

// Edge cases, each worked by hand.
TEST(CompareEngine, EdgeCases) {
    // No interest: 1,000 over three monthly payments is 333.33, 333.33 and the last 333.34.
    LoanPlan zero = bankPlan(1000, 0, 0, 3, Convention::BankCents);
    zero.termInMonths = true;
    PlanResult r = calculated(zero);
    EXPECT_EQ(r.payments, 3);
    EXPECT_EQ(r.payment, money(333.33));
    EXPECT_EQ(r.lastPayment, money(333.34));
    EXPECT_EQ(r.rows.back().balance, Currency{});

    // A payment that rounds to nothing (1.00 over 300 months) still ends with the term.
    LoanPlan tiny = bankPlan(1, 0, 0, 25, Convention::BankCents);
    r = calculated(tiny);
    EXPECT_EQ(r.payments, 300);
    EXPECT_EQ(r.lastPayment, money(1));

    // A lump sum beyond the balance pays the loan off with that payment, and no more.
    zero.lumps = {{1, money(5000), LumpEffect::Shorten}};
    r = calculated(zero);
    EXPECT_EQ(r.payments, 1);
    EXPECT_EQ(r.rows[0].extra, money(666.67));
    EXPECT_EQ(r.totalPaid, money(1000));

    // A renewal after the last payment changes nothing and records no balance.
    LoanPlan renewed = bankPlan(1000, 0, 0, 3, Convention::BankCents);
    renewed.termInMonths = true;
    renewed.renewals = {{3, 9.0}};
    r = calculated(renewed);
    EXPECT_EQ(r.lastPayment, money(333.34));
    EXPECT_TRUE(r.renewalBalances.empty());

    // A payment that does not cover the first month's interest (1,000 at 12 %: 10.00) is
    // refused rather than run for ever.
    LoanPlan small = bankPlan(1000, 12, 0, 1, Convention::BankCents);
    small.givenPayment = money(10);
    const Result<PlanResult> refused = calculatePlan(small);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.failure().what, compare_msg::PaymentTooSmall);

    // Daily interest: 67.28 covers the 27 days to the first payment (59.91), not a whole
    // month (about 67.50): the balance would grow for ever.
    LoanPlan growing = bankPlan(5000, 16.1975, 0, 4, Convention::BankCents);
    growing.givenPayment = money(67.28);
    growing.loanDate = dateSerial(2010, 3, 5);
    growing.firstPayment = dateSerial(2010, 4, 1);
    EXPECT_EQ(calculatePlan(growing).failure().what, compare_msg::NeverPaid);

    // Paid on the 31st: the short months pay on their last day, the long ones on the 31st
    // again; daily interest counts the days between (31 Jan - 28 Feb: 28 days; to 31 Mar: 31).
    LoanPlan daily = bankPlan(1200, 36.5, 0, 1, Convention::BankCents);
    daily.loanDate = dateSerial(2027, 1, 1);
    daily.firstPayment = dateSerial(2027, 1, 31);
    r = calculated(daily);
    EXPECT_EQ(r.rows[1].date, dateSerial(2027, 2, 28));
    EXPECT_EQ(r.rows[2].date, dateSerial(2027, 3, 31));
    EXPECT_EQ(r.rows[0].interest, money(36.00)); // 1,200 x 0.365 x 30 / 365

    // Twice a month a bank pays on the first payment's day and 15 days later (the worksheet
    // 14); compounding quarterly, the comparison shows each convention's count.
    LoanPlan twice = bankPlan(1200, 12, 2, 1, Convention::BankCents);
    twice.frequency = 1;
    twice.firstPayment = dateSerial(2027, 1, 10);
    r = calculated(twice);
    EXPECT_EQ(r.rows[1].date, dateSerial(2027, 1, 25));
    EXPECT_EQ(r.rows[2].date, dateSerial(2027, 2, 10));
    EXPECT_EQ(compoundingText(twice), "quarterly (4)");
    twice.convention = Convention::Worksheet;
    EXPECT_EQ(compoundingText(twice), "quarterly (3)");
}

// Half cents go up, decided on the exact decimal value (each row worked by hand in decimals;
// the 6 % row by an independent exact-fraction schedule in Python's fractions module).
TEST(CompareEngine, HalfCentTiesGoUp) {
    struct Row {
        const char* plan;
        int number; // a row of the schedule, 0: the summary
        Currency payment;
        Currency interest;
        std::vector<PaymentInForce> inForce;
    };
    const Row rows[] = {
        // 100 x 0.045 / 12 = 0.375 exactly: 0.38, under both bank conventions.
        {"principal=100,rate=4.5,months=12", 1, {}, money(0.38), {}},
        {"principal=100,rate=4.5,months=12,convention=bank-exact", 1, {}, money(0.38), {}},
        // Semi-annual 5.29 %: the monthly payment 2,392.89 (400,000 i / (1 - (1 + i)^-300),
        // i = 1.02645^(1/6) - 1); bi-weekly accelerated 2,392.89 / 2 = 1,196.445 -> 1,196.45.
        {"principal=400000,rate=5.29,compounding=semiannual,frequency=biweekly-acc,years=25",
         0,
         money(1196.45),
         {},
         {}},
        // 1,000 at 4.5 % over 2 months: 1,000 x 0.00375 x 1.00375^2 / (1.00375^2 - 1) =
        // 3.778177734375 / 0.0075140625 = 502.814 -> 502.81; interest 3.75, balance 500.94;
        // 400.94 paid after payment 1 leaves 100.00, whose one payment left is
        // 100 x 1.00375 = 100.375 -> 100.38 from payment 2.
        {"principal=1000,rate=4.5,months=2,lump=1:400.94:lower",
         0,
         money(502.81),
         {},
         {{1, money(502.81)}, {2, money(100.38)}}},
        // 100,000 at 6 % over 30 years: 599.55 a month; 180 of the 360 interests end in a half
        // cent; total interest 115,838.45, the last payment 600.00 (exact fractions).
        {"principal=100000,rate=6,years=30", 360, money(600.00), {}, {}},
    };
    for (const Row& row : rows) {
        const Result<LoanPlan> plan = parsePlanText(row.plan);
        ASSERT_TRUE(plan) << row.plan;
        const PlanResult r = calculated(plan.value());
        if (row.number == 0) {
            EXPECT_EQ(r.payment, row.payment) << row.plan;
        } else {
            ASSERT_GE(r.rows.size(), static_cast<std::size_t>(row.number)) << row.plan;
            const PaymentRow& at = r.rows[static_cast<std::size_t>(row.number - 1)];
            if (row.interest.raw() != 0) {
                EXPECT_EQ(at.interest, row.interest) << row.plan;
            }
            if (row.payment.raw() != 0) {
                EXPECT_EQ(at.payment, row.payment) << row.plan;
            }
        }
        if (!row.inForce.empty()) {
            EXPECT_EQ(r.paymentsInForce, row.inForce) << row.plan;
        }
    }
    EXPECT_EQ(calculated(parsePlanText("principal=100000,rate=6,years=30").value()).totalInterest,
              money(115838.45));
    // A given 4.38 on 1,000 at 5.25 %: the first interest 1,000 x 0.0525 / 12 = 4.375 -> 4.38
    // is not covered.
    EXPECT_EQ(calculatePlan(parsePlanText("principal=1000,rate=5.25,payment=4.38").value())
                  .failure()
                  .what,
              compare_msg::PaymentTooSmall);
}

// The figures of a printed line ("$1,198,686.53" as 1198686.53), or of a CSV line.
std::vector<double> figures(std::string line) {
    std::erase_if(line, [](char c) { return c == '$' || c == '\r'; });
    std::vector<double> out;
    const bool csv = line.find(' ') == std::string::npos;
    if (!csv)
        std::erase(line, ',');
    std::istringstream in(csv ? std::string() : line);
    for (std::string word; in >> word;)
        out.push_back(std::strtod(word.c_str(), nullptr));
    for (std::size_t at = 0; csv && at <= line.size();) {
        const std::size_t end = std::min(line.find(',', at), line.size());
        if (end > at) // an empty field (the date of an undated plan) has no printed figure
            out.push_back(std::strtod(line.substr(at, end - at).c_str(), nullptr));
        at = end + 1;
    }
    return out;
}

// Loans of millions and billions: every figure printed (schedule, yearly totals, the
// comparison) is whole, the same as the CSV's.
TEST(CompareReport, PrintedFiguresAreTheCsvFigures) {
    CompareReportInput in;
    in.currencySymbol = "$";
    for (const char* principal : {"1200000", "150000000", "12000000000"}) {
        const LoanPlan plan =
            parsePlanText("principal=" + std::string(principal) + ",rate=5.5,years=30").value();
        in.plans.push_back({plan, calculated(plan)});
    }
    for (std::size_t i = 0; i < in.plans.size(); ++i)
        for (const bool annual : {false, true}) {
            TextPrinter printer;
            printScheduleDocument(printer, in, i, annual);
            std::istringstream printed(printer.text());
            std::istringstream csv(scheduleCsv(in.plans[i], annual));
            std::string line;
            std::getline(csv, line); // the header
            std::size_t rows = 0;
            while (std::getline(printed, line)) {
                const auto first = line.find_first_not_of(" \f");
                if (first == std::string::npos || !std::isdigit(line[first]))
                    continue;
                std::string expected;
                ASSERT_TRUE(std::getline(csv, expected)) << line;
                EXPECT_EQ(figures(line), figures(expected)) << line;
                ++rows;
            }
            EXPECT_EQ(rows, annual ? 30u : 360u);
        }
    TextPrinter printer;
    printComparisonDocument(printer, in);
    std::istringstream csv(comparisonCsv(in.plans));
    std::string line;
    std::getline(csv, line);
    std::vector<std::vector<double>> plans;
    while (std::getline(csv, line))
        plans.push_back(figures(line));
    // CSV columns: plan, payment, payments, last_payment, total_interest, total_paid.
    const std::pair<const char*, std::size_t> lines[] = {
        {" Payment  ", 1}, {" Last payment", 3}, {" Total interest", 4}, {" Total paid", 5}};
    for (const auto& [label, column] : lines) {
        const std::string& text = printer.text();
        const auto at = text.find(std::string("\n") + label);
        ASSERT_NE(at, std::string::npos) << label;
        const std::string printed = text.substr(at + 1, text.find('\n', at + 1) - at - 1);
        const std::vector<double> words = figures(printed);
        ASSERT_GE(words.size(), 3u) << printed;
        for (std::size_t p = 0; p < 3; ++p)
            EXPECT_EQ(words[words.size() - 3 + p], plans[p][column]) << printed;
    }
}

// Nothing prepaid: exactly the term's payments under every frequency and both bank
// conventions, the last one absorbing the rounding; a 40-year weekly plan on daily interest
// ends within its term too.
TEST(CompareEngine, TermEndsOnItsLastPayment) {
    for (const Convention c : {Convention::BankExact, Convention::BankCents})
        for (int frequency = 0; frequency < 4; ++frequency) {
            LoanPlan plan = bankPlan(250000, 6.5, 3, 40, c);
            plan.frequency = frequency;
            EXPECT_EQ(calculated(plan).payments, termPayments(plan)) << frequency;
        }
    LoanPlan weekly = bankPlan(250000, 6.5, 0, 40, Convention::BankCents);
    weekly.frequency = 3;
    weekly.loanDate = dateSerial(2027, 1, 1);
    weekly.firstPayment = dateSerial(2027, 1, 8);
    const PlanResult r = calculated(weekly);
    EXPECT_LE(r.payments, 2080);
    EXPECT_GT(r.payments, 2000);
}

// A mortgage file opened under the worksheet convention gives the mortgage worksheet's own
// figures (its printout of the sample: payment $744.90, total paid $393,933.91, interest
// savings $53,004.61).
TEST(CompareEngine, WorksheetConventionIsTheMortgageWorksheet) {
    const auto text = readFileText(PECUNEX_SOURCE_DIR "/samples/Sample.umd");
    ASSERT_TRUE(text);
    const LoanFileRead read = readLoanFile(*text);
    ASSERT_FALSE(read.error);
    const PlanResult r = calculated(planFromWorksheet(read.data.input));
    EXPECT_EQ(r.payment, money(744.90));
    EXPECT_EQ(r.totalPaid, money(393933.91));
    EXPECT_EQ(r.worksheetSavings, money(53004.61));
}

// A comparison file keeps every choice of every plan: written, read and written again it is
// the same text; what no plan could hold is refused with message 13.
TEST(CompareFile, RoundTripAndRefusals) {
    std::vector<LoanPlan> plans;
    for (const char* planText :
         {"principal=400000,rate=5.95,years=30,payment-rounding=up,extra=100,lump=0:5000:lower,"
          "lump=24:1000:shorten,renew=60:4.25,renew=120:6",
          "principal=5000,rate=13.1475,months=48,payment=134.57,interest-rounding=down,"
          "loan-date=2010-03-01,first-payment=2010-04-01,convention=bank-exact",
          "principal=250000,rate=5.25,compounding=semiannual,frequency=biweekly-acc,years=25,"
          "convention=worksheet"}) {
        const Result<LoanPlan> plan = parsePlanText(planText);
        ASSERT_TRUE(plan) << plan.failure().what;
        plans.push_back(plan.value());
    }
    const std::string text = writeCompareFile(plans);
    const auto read = readCompareFile(text);
    ASSERT_TRUE(read) << read.failure().what;
    EXPECT_EQ(writeCompareFile(read.value()), text);
    EXPECT_EQ(calculated(read.value()[2]).payment, money(744.90));

    const std::string header = "\"Pecunex\",\"Compare\",1\r\n";
    for (const std::string& bad :
         {std::string("\"Pecunex\",\"Goal\",1\r\n1\r\n"), header + "4\r\n",
          header + text.substr(header.size(), text.size() - header.size() - 20), text + "7\r\n",
          replaced(text, "\"monthly\"", "\"daily\""), replaced(text, "\"up\"", "\"sideways\"")}) {
        const auto refused = readCompareFile(bad);
        ASSERT_FALSE(refused) << bad;
        EXPECT_EQ(refused.failure().code, 13);
    }
}

// A bad --plan names its key.
TEST(PlanText, RefusalNamesTheKey) {
    for (const auto& [planText, key] : std::vector<std::pair<const char*, const char*>>{
             {"principal=-5", "principal"},
             {"rate=1000", "rate"},
             {"years=41", "years"},
             {"months=0", "months"},
             {"frequency=daily", "frequency"},
             {"lump=3:100", "lump"},
             {"renew=0:5", "renew"},
             {"first-payment=1/2/2027", "first-payment"},
             {"colour=blue", "colour"},
             {"principal", "principal"}}) {
        const auto refused = parsePlanText(planText);
        ASSERT_FALSE(refused) << planText;
        EXPECT_NE(refused.failure().what.find(std::string(key) + " "), std::string::npos)
            << refused.failure().what;
    }
}

} // namespace

// The worksheet's lists: items as --plan takes them, separated by semicolons; written back
// in full words; a refusal names the item at fault.
TEST(PlanText, WorksheetLists) {
    const auto lumps = parseLumpList(" 0:5000:l;12:250.5:s ;");
    ASSERT_TRUE(lumps);
    EXPECT_EQ(lumpListText(lumps.value()), "0:5000:lower; 12:250.5:shorten");
    const auto renewals = parseRenewalList("60:4.25; 120:5");
    ASSERT_TRUE(renewals);
    EXPECT_EQ(renewalListText(renewals.value()), "60:4.25; 120:5");
    EXPECT_TRUE(parseLumpList("").value().empty());
    EXPECT_EQ(parseRenewalList("60:4.25; 0:5").failure().what, "0:5");
    EXPECT_EQ(parseLumpList("12:1,000:s").failure().what, "12:1,000:s");
    EXPECT_FALSE(parseRenewalList("1:1; 2:2; 3:3; 4:4")); // three at most
}
