#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "Amortization.h"
#include "Dates.h"
#include "Messages.h"
#include "NumberFormat.h" // NumberSeparators
#include "ScheduleTexts.h"

namespace {

constexpr std::string_view Monthly = "      Monthly", Semimonthly = "  Semimonthly",
                           TwoWeeks = "      2 Weeks", OneWeek = "      1 Week",
                           BiweeklyAcc = " Biweekly(Acc)", WeeklyAcc = "   Weekly(Acc)",
                           CompMonthly = Monthly, CompSemiannual = "   Semiannual",
                           CompAnnual = "       Annual", CompBimonthly = "    Bimonthly";

Currency money(double value) {
    return Currency::fromDouble(value).value();
}

AmortizationInput loanOf(double principal, double ratePercent, double years,
                         std::string_view compounding, std::string_view frequency,
                         int daysChoice = 1) {
    return {.principal = money(principal),
            .ratePercent = money(ratePercent),
            .termYears = money(years),
            .compounding = std::string(compounding),
            .frequency = std::string(frequency),
            .daysChoice = daysChoice};
}

Amortization run(const AmortizationInput& in) {
    auto result = amortize(in);
    EXPECT_TRUE(result.ok()) << (result.ok() ? "" : result.failure().what);
    return result.ok() ? result.value() : Amortization{};
}

const PaymentRow& row(const Amortization& a, int k) {
    return a.payments.at(static_cast<std::size_t>(k - 1));
}

int last(const Amortization& a) {
    return static_cast<int>(a.payments.size());
}

// Computed independently: PMT = P*i/(1-(1+i)^-n) at the monthly rate times the frequency's share,
// the final payment = ceil(NPER), NPER = -ln(1 - P*i/PMT) / ln(1 + i) at the periodic rate.
const struct {
    const char* source;
    double principal, ratePercent, years;
    std::string_view compounding, frequency;
    int daysChoice, paymentsPerYear;
    double periodicRate, payment;
    int finalPayment;
} scheduleCases[] = {
    {"spreadsheet PMT(0.06/12, 360, -100000) = 599.5505", 100000, 6, 30, CompMonthly, Monthly, 1,
     12, 0.005, 599.55, 360},
    {"bimonthly compounding: 1.01^(1/2)-1; PMT(that, 360, -100000) = 598.5913", 100000, 6, 30,
     CompBimonthly, Monthly, 1, 12, 0.00498756211208895, 598.59, 360},
    {"annual compounding: 1.045^(1/12)-1; spreadsheet PMT(that, 300, -250000) = 1376.8087", 250000,
     4.5, 25, CompAnnual, Monthly, 1, 12, 0.0036748094004368514, 1376.81, 300},
    {"worked example: 7 % semi-annual, 1.035^(1/6)-1 = 0.0057500395; PMT 700.4158", 100000, 7, 25,
     CompSemiannual, Monthly, 1, 12, 0.005750039497608439, 700.42, 300},
    {"Biweekly(Acc) 365 days: 1.02625^(2/26.07142857)-1, half of 1489.7950, NPER 554.38", 250000,
     5.25, 25, CompSemiannual, BiweeklyAcc, 1, 26, 0.0019896992681973646, 744.90, 555},
    {"2 Weeks 364 days, n = 26: 1.005^(12/26)-1, 644.3014 x 12/26, NPER 647.98", 100000, 6, 25,
     CompMonthly, TwoWeeks, 2, 26, 0.002304593739038241, 297.37, 648},
    {"Semimonthly: 1.00667^(1/2)-1, half of 836.4401, NPER 478.04", 100000, 8, 20, CompMonthly,
     Semimonthly, 1, 24, 0.0033277962194939725, 418.22, 479},
    {"1 Week 363 days, 40 years: 1.0375^(2/51.85714286)-1, 1299.2394 x 12/52, NPER 2079.27", 200000,
     7.5, 40, CompSemiannual, OneWeek, 3, 52, 0.0014208310801830937, 299.82, 2080},
    {"Weekly(Acc) 365.25 days: 1.005^(12/52.17857143)-1, quarter of 899.3258, NPER 1265.14", 150000,
     6, 30, CompMonthly, WeeklyAcc, 0, 52, 0.001147690226876108, 224.83, 1266},
};

TEST(AmortizationSchedule, PaymentRateAndLengthMatchHandCalculations) {
    for (const auto& c : scheduleCases) {
        SCOPED_TRACE(c.source);
        const Amortization a = run(
            loanOf(c.principal, c.ratePercent, c.years, c.compounding, c.frequency, c.daysChoice));
        EXPECT_EQ(a.paymentsPerYear, c.paymentsPerYear);
        EXPECT_NEAR(a.periodicRate, c.periodicRate, 1e-15);
        EXPECT_NEAR(a.payment, c.payment, 0.005);
        ASSERT_EQ(last(a), c.finalPayment);
        EXPECT_FLOAT_EQ(a.yearsToFinal,
                        static_cast<float>(c.finalPayment) / static_cast<float>(c.paymentsPerYear));
        // The final payment pays exactly what was still owed.
        const PaymentRow& fin = row(a, last(a));
        EXPECT_EQ(fin.balance, Currency{});
        EXPECT_EQ(fin.principal, row(a, last(a) - 1).balance);
        EXPECT_EQ(fin.cumPrincipal, money(c.principal));
        EXPECT_EQ(a.totalPaid, fin.cumInterest.plus(fin.cumPrincipal).value());
        Currency interest, principal;
        for (int k = 1; k <= last(a); ++k) {
            const PaymentRow& r = row(a, k);
            interest = interest.plus(r.interest).value();
            principal = principal.plus(r.principal).value();
            EXPECT_EQ(r.number, k);
            EXPECT_EQ(r.payment, r.interest.plus(r.principal).value()) << k;
            // Running totals are summed in double and stored rounded: within a cent of the cells.
            EXPECT_NEAR(r.cumInterest.toDouble(), interest.toDouble(), 0.01) << k;
            EXPECT_NEAR(r.cumPrincipal.toDouble(), principal.toDouble(), 0.01) << k;
            const double before = k == 1 ? c.principal : row(a, k - 1).balance.toDouble();
            EXPECT_NEAR(r.balance.toDouble(), before - r.principal.toDouble(), 0.001) << k;
            if (k < last(a)) {
                EXPECT_NEAR(r.interest.toDouble() + r.principal.toDouble(), a.payment, 0.0002) << k;
            }
        }
    }
}

TEST(AmortizationSchedule, AcceleratedEndsYearsEarlyAndSavesInterestAndLongOnesAreCapped) {
    const Amortization a = run(loanOf(250000, 5.25, 25, CompSemiannual, BiweeklyAcc));
    EXPECT_EQ(a.payment, a.monthlyPayment / 2);
    EXPECT_LT(a.yearsToFinal, 25.0f - 3.0f);
    // 2,130 weekly payments in 40 years, stretched by a negative amount (only a hand-edited
    // file holds one): the schedule stops at the table size, not paid off.
    AmortizationInput in = loanOf(200000, 7.5, 40, CompSemiannual, OneWeek, 3);
    in.extraPayments[1] = money(-20000);
    const Amortization capped = run(in);
    EXPECT_EQ(last(capped), MaxScheduleRows);
    EXPECT_GT(row(capped, last(capped)).balance, Currency::fromWhole(6));
}

TEST(AmortizationSchedule, SemimonthlyDatesAlternateMonthlyAndTwoWeeksLater) {
    AmortizationInput in = loanOf(10000, 6, 2, CompMonthly, Semimonthly);
    in.dateView = DateView::Dates;
    in.firstPaymentDate = dateSerial(2027, 1, 31);
    const Amortization a = run(in);
    // odd payments a month apart from the first date (month end kept short), even ones two weeks on
    const int monthDay[][2] = {{1, 31}, {2, 14}, {2, 28}, {3, 14}, {3, 31}};
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(row(a, k).date, dateSerial(2027, monthDay[k - 1][0], monthDay[k - 1][1]));
}

// Dates stay four-digit: the term's end (first date + whole months, rounded up) less a day
// must not pass 9999-12-31 (hand calculation from the calendar).
TEST(AmortizationDates, LastPaymentMustNotPassTheYear9999) {
    const struct {
        int y, m, d;
        double years;
        bool fits;
    } cases[] = {
        {9970, 1, 1, 30, true},  // ends 10000-01-01: last payment 9999-12-01
        {9970, 1, 2, 30, false}, // ends 10000-01-02
        {9990, 1, 1, 30, false}, // the printout would show 10019
        {9999, 12, 31, 0, true}, // no term yet: the date alone
        {9999, 12, 31, 1.0 / 12, false}, {9999, 12, 1, 1.0 / 12, true},
        {9999, 11, 2, 0.0834, false}, // a loan of a little over one month counts two
        {2027, 1, 15, 1e9, true},     // terms beyond any schedule: longer than 45 years
        {9960, 1, 1, 1e9, false},     // counted as 46 years: 10006
    };
    for (const auto& c : cases)
        EXPECT_EQ(paymentDatesFit(dateSerial(c.y, c.m, c.d), money(c.years)), c.fits)
            << c.y << "-" << c.m << "-" << c.d << " + " << c.years;
    // A calculation with dates shown refuses such a date too (message 3).
    AmortizationInput in = loanOf(100000, 6, 30, CompMonthly, Monthly);
    in.dateView = DateView::Dates;
    in.firstPaymentDate = dateSerial(9990, 1, 1);
    EXPECT_EQ(amortize(in).failure().code, msg::WrongOrMissingEntry);
    in.firstPaymentDate = dateSerial(9970, 1, 1);
    const Amortization a = run(in);
    EXPECT_EQ(row(a, last(a)).date, dateSerial(9999, 12, 1));
}

TEST(AmortizationExtraPayments, GoToTheFirstPaymentOfTheirYearWhenNotMoreThanOwed) {
    const AmortizationInput plain = loanOf(100000, 6, 25, CompMonthly, Monthly);
    AmortizationInput extra = plain;
    extra.extraPayments[2] = money(5000);
    extra.extraPayments[4] = money(1234.56);
    extra.extraPayments[20] = money(60000); // more than the under 40,000 then owed: not applied
    const Amortization base = run(plain), a = run(extra);
    ASSERT_EQ(a.applied.size(), 2u);
    // Row 13 opens year 2: same interest and principal part, the amount beside them.
    EXPECT_EQ(row(a, 13).interest, row(base, 13).interest);
    EXPECT_NEAR(row(a, 13).principal.toDouble(), row(base, 13).principal.toDouble(), 0.0001);
    EXPECT_EQ(row(a, 13).extra, money(5000));
    EXPECT_EQ(row(a, 14).extra, Currency{});
    EXPECT_LT(last(a), last(base));
    EXPECT_EQ(row(a, last(a)).cumPrincipal, money(100000));
    EXPECT_EQ(extraPaymentsBlock(a, {}).at(3), "  4 Year       1,234.56");
    EXPECT_TRUE(extraPaymentsBlock(base, {}).empty());
}

TEST(AmortizationFailures, AreMessageCodesNotCrashes) {
    const struct {
        const char* name;
        AmortizationInput in;
        int code;
    } cases[] = {
        {"mortgage of 41 years", loanOf(100000, 6, 41, CompMonthly, Monthly), msg::FortyYearsLimit},
        {"zero rate divides by zero", loanOf(100000, 0, 25, CompMonthly, Monthly),
         msg::WrongOrMissingEntry},
        {"zero term", loanOf(100000, 6, 0, CompMonthly, Monthly), msg::WrongOrMissingEntry},
        {"unknown compounding text", loanOf(100000, 6, 25, "Monthly", Monthly),
         msg::WrongOrMissingEntry},
        {"unknown frequency text", loanOf(100000, 6, 25, CompMonthly, "Biweekly(Acc)"),
         msg::WrongOrMissingEntry},
        // the running interest total passes the largest fixed-point amount (about 9.2e14)
        {"fixed-point overflow", loanOf(9e14, 10, 30, CompMonthly, Monthly),
         msg::WrongOrMissingEntry},
    };
    for (const auto& c : cases) {
        const auto result = amortize(c.in);
        EXPECT_TRUE(!result.ok() && result.failure().code == c.code) << c.name;
    }
    AmortizationInput loan = loanOf(10000, 6, 41, CompMonthly, Monthly);
    loan.mode = LoanMode::Loan; // a loan has no forty-year guard
    EXPECT_EQ(last(run(loan)), 492);
}

TEST(AmortizationTexts, FormatTheResultLabels) {
    auto texts = [](const AmortizationInput& in) { return resultTexts(run(in), in, "$", {}); };
    // (The reference printouts show the texts of a 20-year monthly mortgage.)
    AmortizationInput loan = loanOf(18000, 9.25, 3, CompMonthly, Monthly);
    loan.mode = LoanMode::Loan;
    EXPECT_EQ(texts(loan).endMortYear, "       36.00"); // a loan counts months
    const AmortizationTexts b = texts(loanOf(250000, 5.25, 25, CompSemiannual, BiweeklyAcc));
    EXPECT_EQ(b.numPmtsYear, "          26");
    EXPECT_EQ(b.endMortYear, "       21.35"); // 555 / 26
    EXPECT_EQ(b.totSavd, "  $33,984.75");     // hand calculation: 446,938.51 - 412,953.76
    const AmortizationTexts zero = texts(loanOf(0, 6, 25, CompMonthly, Monthly));
    EXPECT_EQ(zero.inMonthPI, "        $.00");
    EXPECT_EQ(zero.allPayments, "        $.00");
    // Days in the year show only for two-week and week payments; other choices read as 365.25.
    const struct {
        std::string_view frequency;
        int daysChoice;
        const char* shown;
    } days[] = {{Monthly, 3, "Normal"},  {Semimonthly, 0, "Normal"}, {BiweeklyAcc, 0, "365.25"},
                {BiweeklyAcc, 1, "365"}, {TwoWeeks, 2, "364"},       {OneWeek, 3, "363"},
                {WeeklyAcc, 4, "365.25"}};
    for (const auto& c : days)
        EXPECT_EQ(texts(loanOf(100000, 6, 25, CompMonthly, c.frequency, c.daysChoice)).inDays,
                  c.shown)
            << c.frequency;
}

} // namespace
