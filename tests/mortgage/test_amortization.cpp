#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <string_view>

#include "Amortization.h"
#include "Dates.h"
#include "Messages.h"
#include "NumberFormat.h"

namespace {

constexpr std::string_view Monthly = "      Monthly";
constexpr std::string_view Semimonthly = "  Semimonthly";
constexpr std::string_view TwoWeeks = "      2 Weeks";
constexpr std::string_view OneWeek = "      1 Week";
constexpr std::string_view BiweeklyAcc = " Biweekly(Acc)";
constexpr std::string_view WeeklyAcc = "   Weekly(Acc)";
constexpr std::string_view CompMonthly = "      Monthly";
constexpr std::string_view CompSemiannual = "   Semiannual";
constexpr std::string_view CompAnnual = "       Annual";

Currency money(double value) { return Currency::fromDouble(value).value(); }

AmortizationInput loanOf(double principal, double ratePercent, double years, std::string_view compounding,
                         std::string_view frequency, int daysChoice = 1) {
    AmortizationInput in;
    in.principal = money(principal);
    in.ratePercent = money(ratePercent);
    in.termYears = money(years);
    in.compounding = std::string(compounding);
    in.frequency = std::string(frequency);
    in.daysChoice = daysChoice;
    return in;
}

Amortization run(const AmortizationInput& in) {
    auto result = amortize(in);
    EXPECT_TRUE(result.ok()) << (result.ok() ? "" : result.failure().what);
    return result.ok() ? result.value() : Amortization{};
}

const ScheduleRow& finalRow(const Amortization& a) { return a.rows.at(static_cast<std::size_t>(a.last)); }

// ---------------------------------------------------------------------------------------------
// Payment and rates

struct AnnuityCase {
    const char* source;
    double principal, ratePercent, years;
    double payment;  // to the cent
};

// Monthly payments with monthly compounding are the textbook annuity:
// spreadsheet PMT(r/12, 12*T, -P) = P * (r/12) / (1 - (1 + r/12)^(-12T)).
const AnnuityCase annuityCases[] = {
    {"PMT(0.06/12, 360, -100000) = 599.5505", 100000, 6, 30, 599.55},
    {"PMT(0.05/12, 360, -200000) = 1073.6432", 200000, 5, 30, 1073.64},
    {"PMT(0.0925/12, 36, -18000) = 574.4918", 18000, 9.25, 3, 574.49},
    {"PMT(0.045/12, 300, -250000) = 1389.5812", 250000, 4.5, 25, 1389.58},
};

TEST(AmortizationPayment, MonthlyWithMonthlyCompoundingIsTheTextbookAnnuity) {
    for (const auto& c : annuityCases) {
        SCOPED_TRACE(c.source);
        const Amortization a = run(loanOf(c.principal, c.ratePercent, c.years, CompMonthly, Monthly));
        EXPECT_NEAR(a.payment, c.payment, 0.005);
        EXPECT_NEAR(a.monthlyRate, c.ratePercent / 1200, 1e-15);
        const int payments = static_cast<int>(std::lround(c.years * 12));
        EXPECT_EQ(a.last, payments);
        // Everything paid is the payment times the number of payments.
        EXPECT_NEAR(a.totalPaid.toDouble(), a.payment * payments, 0.01);
        EXPECT_EQ(finalRow(a).balance, Currency{});
        EXPECT_EQ(finalRow(a).cumPrincipal, money(c.principal));
    }
}

TEST(AmortizationPayment, SemiannualCompoundingConvertsToTheMonthlyRate) {
    // worked example: 7 % compounded twice a year, 1.035^(1/6) - 1 = 0.0057500395
    const Amortization a = run(loanOf(100000, 7, 25, CompSemiannual, Monthly));
    EXPECT_NEAR(a.monthlyRate, 0.0057500395, 1e-10);
    // Monthly payments use the monthly rate: the periodic rate with n = 12 is the same figure.
    EXPECT_NEAR(a.periodicRate, a.monthlyRate, 1e-15);
}

TEST(AmortizationPayment, AcceleratedPaymentsArePartsOfTheMonthlyPayment) {
    const Amortization biweekly = run(loanOf(250000, 5.25, 25, CompSemiannual, BiweeklyAcc));
    EXPECT_EQ(biweekly.payment, biweekly.monthlyPayment / 2);
    const Amortization weekly = run(loanOf(250000, 5.25, 25, CompSemiannual, WeeklyAcc));
    EXPECT_EQ(weekly.payment, weekly.monthlyPayment / 4);
    const Amortization spread = run(loanOf(250000, 5.25, 25, CompSemiannual, TwoWeeks));
    EXPECT_NEAR(spread.payment, spread.monthlyPayment * 12 / 26, 1e-9);
}

// ---------------------------------------------------------------------------------------------
// Schedule length: the final payment is the first one that clears the balance, that is
// ceil(NPER(i, -PMT, P)) with NPER = -ln(1 - P*i/PMT) / ln(1 + i) (hand calculation in Python).

struct LengthCase {
    const char* source;
    double principal, ratePercent, years;
    std::string_view compounding, frequency;
    int daysChoice;
    double periodicRate;
    int finalPayment;
};

const LengthCase lengthCases[] = {
    {"Biweekly(Acc) 365 days: (1.02625)^(2/26.07142857)-1; NPER 554.38", 250000, 5.25, 25, CompSemiannual,
     BiweeklyAcc, 1, 0.0019896992681973646, 555},
    {"2 Weeks 364 days: 1.005^(12/26)-1; NPER 647.98, about 26 x 25", 100000, 6, 25, CompMonthly, TwoWeeks, 2,
     0.002304593739038241, 648},
    {"1 Week 364 days: 1.005^(12/52)-1; NPER 1294.25", 100000, 6, 25, CompMonthly, OneWeek, 2,
     0.0011516337393842058, 1295},
    {"Semimonthly: 1.00667^(12/24)-1; NPER 478.04", 100000, 8, 20, CompMonthly, Semimonthly, 1,
     0.0033277962194939725, 479},
    {"1 Week 363 days, 40 years: (1.0375)^(2/51.85714286)-1; NPER 2079.27", 200000, 7.5, 40, CompSemiannual,
     OneWeek, 3, 0.0014208310801830937, 2080},
};

TEST(AmortizationSchedule, EndsAtTheFirstPaymentThatClearsTheBalance) {
    for (const auto& c : lengthCases) {
        SCOPED_TRACE(c.source);
        const Amortization a =
            run(loanOf(c.principal, c.ratePercent, c.years, c.compounding, c.frequency, c.daysChoice));
        EXPECT_NEAR(a.periodicRate, c.periodicRate, 1e-15);
        EXPECT_EQ(a.last, c.finalPayment);
        EXPECT_FLOAT_EQ(a.yearsToFinal, static_cast<float>(c.finalPayment) / static_cast<float>(a.paymentsPerYear));
        // The final payment pays exactly what was still owed.
        const ScheduleRow& fin = finalRow(a);
        EXPECT_EQ(fin.balance, Currency{});
        EXPECT_EQ(fin.principal, a.rows[static_cast<std::size_t>(a.last - 1)].balance);
        EXPECT_EQ(fin.cumPrincipal, money(c.principal));
        EXPECT_EQ(a.totalPaid, fin.cumInterest.plus(fin.cumPrincipal).value());
    }
}

TEST(AmortizationSchedule, BiweeklyAcceleratedEndsYearsEarlyAndSavesInterest) {
    const Amortization a = run(loanOf(250000, 5.25, 25, CompSemiannual, BiweeklyAcc));
    EXPECT_LT(a.yearsToFinal, 25.0f - 3.0f);
    // Savings = 12 x monthly payment x 25 years - total paid
    EXPECT_NEAR(a.interestSavings.toDouble(), 12 * a.monthlyPayment * 25 - a.totalPaid.toDouble(), 0.0001);
    EXPECT_GT(a.interestSavings, Currency::fromWhole(10000));
}

TEST(AmortizationSchedule, RowsCarryRunningTotalsAndBalances) {
    const Amortization a = run(loanOf(50000, 8, 10, CompAnnual, Monthly));
    Currency interest, principal;
    for (int k = 1; k <= a.last; ++k) {
        const ScheduleRow& row = a.rows[static_cast<std::size_t>(k)];
        const ScheduleRow& before = a.rows[static_cast<std::size_t>(k - 1)];
        SCOPED_TRACE(k);
        EXPECT_EQ(row.number, Currency::fromWhole(k));
        interest = interest.plus(row.interest).value();
        principal = principal.plus(row.principal).value();
        // Running totals are summed in double and stored rounded: within a cent of the cell sums.
        EXPECT_NEAR(row.cumInterest.toDouble(), interest.toDouble(), 0.01);
        EXPECT_NEAR(row.cumPrincipal.toDouble(), principal.toDouble(), 0.01);
        EXPECT_NEAR(row.balance.toDouble(), before.balance.toDouble() - row.principal.toDouble(),
                    k == 1 ? 50000.01 : 0.001);
        // Each payment is interest on the balance before it plus principal.
        if (k < a.last) {
            EXPECT_NEAR(row.interest.toDouble() + row.principal.toDouble(), a.payment, 0.0002);
        }
    }
    EXPECT_EQ(a.rows[0].balance, Currency{});
    EXPECT_NEAR(a.rows[1].interest.toDouble(), 50000 * a.monthlyRate, 0.0001);
}

TEST(AmortizationSchedule, IsCappedAtTheTableSize) {
    // 52 payments a year for 40 years allows 2,130 payments; a negative first-year amount
    // (only a hand-edited file holds one) stretches the loan beyond that.
    AmortizationInput in = loanOf(200000, 7.5, 40, CompSemiannual, OneWeek, 3);
    in.extraPayments[1] = money(-20000);
    const Amortization a = run(in);
    EXPECT_EQ(a.last, MaxScheduleRows);
    EXPECT_EQ(a.rows.size(), static_cast<std::size_t>(MaxScheduleRows) + 1);
    // Not paid off: the last row keeps its balance.
    EXPECT_GT(finalRow(a).balance, Currency::fromWhole(6));
}

TEST(AmortizationSchedule, ZeroPrincipalGivesAZeroPayment) {
    const Amortization a = run(loanOf(0, 6, 25, CompMonthly, Monthly));
    EXPECT_EQ(a.payment, 0.0);
    EXPECT_EQ(a.totalPaid, Currency{});
    const AmortizationTexts t = resultTexts(a, loanOf(0, 6, 25, CompMonthly, Monthly), "$", {});
    EXPECT_EQ(t.inMonthPI, "        $.00");
    EXPECT_EQ(t.totSavd, "        $.00");
}

TEST(AmortizationSchedule, ColumnSevenHoldsYearNumbersWithoutDates) {
    const Amortization monthly = run(loanOf(10000, 6, 3, CompMonthly, Monthly));
    EXPECT_EQ(monthly.rows[1].dateOrYear, Currency::fromWhole(1));
    EXPECT_EQ(monthly.rows[12].dateOrYear, Currency::fromWhole(1));
    EXPECT_EQ(monthly.rows[13].dateOrYear, Currency::fromWhole(2));
    EXPECT_EQ(monthly.rows[36].dateOrYear, Currency::fromWhole(3));
    const Amortization biweekly = run(loanOf(10000, 6, 3, CompMonthly, BiweeklyAcc));
    EXPECT_EQ(biweekly.rows[26].dateOrYear, Currency::fromWhole(1));
    EXPECT_EQ(biweekly.rows[27].dateOrYear, Currency::fromWhole(2));
}

TEST(AmortizationSchedule, DatedRowsStepByTheFrequency) {
    const int first = dateSerial(2027, 1, 31);
    auto datesOf = [&](std::string_view frequency) {
        AmortizationInput in = loanOf(10000, 6, 2, CompMonthly, frequency);
        in.dateView = 1;
        in.firstPaymentDate = first;
        return run(in);
    };
    auto day = [](const Amortization& a, int k) {
        return static_cast<int>(a.rows[static_cast<std::size_t>(k)].dateOrYear.raw() / Currency::Scale);
    };
    const Amortization monthly = datesOf(Monthly);
    EXPECT_EQ(day(monthly, 1), first);
    EXPECT_EQ(day(monthly, 2), dateSerial(2027, 2, 28));  // month end kept short
    EXPECT_EQ(day(monthly, 3), dateSerial(2027, 3, 31));
    const Amortization semi = datesOf(Semimonthly);
    EXPECT_EQ(day(semi, 1), first);
    EXPECT_EQ(day(semi, 2), dateSerial(2027, 2, 14));  // two weeks after the first
    EXPECT_EQ(day(semi, 3), dateSerial(2027, 2, 28));
    EXPECT_EQ(day(semi, 4), dateSerial(2027, 3, 14));
    const Amortization biweekly = datesOf(BiweeklyAcc);
    EXPECT_EQ(day(biweekly, 27), first + 26 * 14);
    const Amortization weekly = datesOf(OneWeek);
    EXPECT_EQ(day(weekly, 53), first + 52 * 7);
}

// ---------------------------------------------------------------------------------------------
// Additional payments

TEST(AmortizationExtraPayments, AreAddedToTheFirstPrincipalPartOfTheirYear) {
    const AmortizationInput plain = loanOf(100000, 6, 25, CompMonthly, Monthly);
    AmortizationInput extra = plain;
    extra.extraPayments[2] = money(5000);
    extra.extraPayments[4] = money(1234.56);
    const Amortization base = run(plain);
    const Amortization a = run(extra);
    ASSERT_EQ(a.applied.size(), 2u);
    EXPECT_EQ(a.applied[0].year, 2);
    EXPECT_EQ(a.applied[0].amount, money(5000));
    EXPECT_EQ(a.applied[1].year, 4);
    // Row 13 is the first payment of year 2: same interest, principal part larger by the amount.
    EXPECT_EQ(a.rows[13].interest, base.rows[13].interest);
    EXPECT_NEAR(a.rows[13].principal.toDouble() - base.rows[13].principal.toDouble(), 5000, 0.0002);
    EXPECT_LT(a.last, base.last);
    EXPECT_EQ(finalRow(a).cumPrincipal, money(100000));

    const auto block = extraPaymentsBlock(a, {});
    ASSERT_EQ(block.size(), 4u);
    EXPECT_EQ(block[0], "Additional  Payments     Applied");
    EXPECT_EQ(block[1], "");
    EXPECT_EQ(block[2], "  2 Year       5,000.00");
    EXPECT_EQ(block[3], "  4 Year       1,234.56");
}

TEST(AmortizationExtraPayments, MoreThanWhatIsOwedIsNotApplied) {
    const AmortizationInput plain = loanOf(10000, 6, 3, CompMonthly, Monthly);
    AmortizationInput extra = plain;
    extra.extraPayments[2] = money(20000);  // the balance after year 1 is about 6,800
    const Amortization base = run(plain);
    const Amortization a = run(extra);
    EXPECT_TRUE(a.applied.empty());
    EXPECT_TRUE(extraPaymentsBlock(a, {}).empty());
    EXPECT_EQ(a.last, base.last);
    EXPECT_EQ(finalRow(a).cumInterest, finalRow(base).cumInterest);
}

// ---------------------------------------------------------------------------------------------
// Annual totals

TEST(AmortizationAnnual, YearRowsAreTheSumsOfTheirPayments) {
    struct Case {
        const char* name;
        AmortizationInput in;
        int years;  // ceil(final payment / payments a year)
    } cases[] = {
        {"monthly 20 years: 240 payments", loanOf(120000, 6.5, 20, CompSemiannual, Monthly), 20},
        {"biweekly accelerated: 555 payments, 21.35 years", loanOf(250000, 5.25, 25, CompSemiannual, BiweeklyAcc), 22},
        {"semimonthly: 479 payments, 19.96 years", loanOf(100000, 8, 20, CompMonthly, Semimonthly), 20},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Amortization all = run(c.in);
        c.in.scheduleView = 1;
        const Amortization annual = run(c.in);
        ASSERT_EQ(annual.last, c.years);
        EXPECT_EQ(annual.rows.size(), static_cast<std::size_t>(c.years) + 1);
        EXPECT_EQ(annual.totalPaid, all.totalPaid);
        const int ppy = all.paymentsPerYear;
        for (int y = 1; y <= c.years; ++y) {
            SCOPED_TRACE(y);
            Currency interest, principal;
            const int lastOfYear = std::min(y * ppy, all.last);
            for (int k = (y - 1) * ppy + 1; k <= lastOfYear; ++k) {
                interest = interest.plus(all.rows[static_cast<std::size_t>(k)].interest).value();
                principal = principal.plus(all.rows[static_cast<std::size_t>(k)].principal).value();
            }
            const ScheduleRow& row = annual.rows[static_cast<std::size_t>(y)];
            const ScheduleRow& latest = all.rows[static_cast<std::size_t>(lastOfYear)];
            EXPECT_EQ(row.number, Currency::fromWhole(y));
            EXPECT_EQ(row.dateOrYear, Currency::fromWhole(y));
            EXPECT_EQ(row.interest, interest);
            EXPECT_EQ(row.principal, principal);
            EXPECT_EQ(row.balance, latest.balance);
            EXPECT_EQ(row.cumInterest, latest.cumInterest);
            EXPECT_EQ(row.cumPrincipal, latest.cumPrincipal);
        }
        EXPECT_EQ(finalRow(annual).balance, Currency{});
    }
}

TEST(AmortizationAnnual, DatedYearsStepTwelveMonths) {
    AmortizationInput in = loanOf(120000, 6.5, 20, CompSemiannual, BiweeklyAcc);
    in.scheduleView = 1;
    in.dateView = 1;
    in.firstPaymentDate = dateSerial(2027, 3, 15);
    const Amortization a = run(in);
    EXPECT_EQ(a.rows[1].dateOrYear, Currency::fromWhole(dateSerial(2027, 3, 15)));
    EXPECT_EQ(a.rows[5].dateOrYear, Currency::fromWhole(dateSerial(2031, 3, 15)));
}

// ---------------------------------------------------------------------------------------------
// Failures

TEST(AmortizationFailures, AreMessageCodesNotCrashes) {
    struct Case {
        const char* name;
        AmortizationInput in;
        int code;
    } cases[] = {
        {"mortgage of 41 years", loanOf(100000, 6, 41, CompMonthly, Monthly), msg::FortyYearsLimit},
        {"zero rate divides by zero", loanOf(100000, 0, 25, CompMonthly, Monthly), msg::WrongOrMissingEntry},
        {"zero term", loanOf(100000, 6, 0, CompMonthly, Monthly), msg::WrongOrMissingEntry},
        {"negative term", loanOf(100000, 6, -5, CompMonthly, Monthly), msg::WrongOrMissingEntry},
        {"unknown compounding text", loanOf(100000, 6, 25, "Monthly", Monthly), msg::WrongOrMissingEntry},
        {"unknown frequency text", loanOf(100000, 6, 25, CompMonthly, "Biweekly(Acc)"), msg::WrongOrMissingEntry},
        // the running interest total passes the largest fixed-point amount (about 9.2e14)
        {"fixed-point overflow", loanOf(9e14, 10, 30, CompMonthly, Monthly), msg::WrongOrMissingEntry},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = amortize(c.in);
        ASSERT_FALSE(result.ok());
        EXPECT_EQ(result.failure().code, c.code);
    }
}

TEST(AmortizationFailures, LoanModeHasNoFortyYearGuard) {
    AmortizationInput in = loanOf(10000, 6, 41, CompMonthly, Monthly);
    in.mortgageMode = 2;
    const auto result = amortize(in);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result->last, 492);
}

// ---------------------------------------------------------------------------------------------
// Result labels

TEST(AmortizationTexts, FormatTheResultLabels) {
    // Figures of the reference printouts: 120,000 at 6.5 % semi-annual, 20 years, monthly.
    const AmortizationInput mortgage = loanOf(120000, 6.5, 20, CompSemiannual, Monthly);
    const AmortizationTexts m = resultTexts(run(mortgage), mortgage, "$", {});
    EXPECT_EQ(m.numPmtsYear, "          12");
    EXPECT_EQ(m.inMonthPI, "     $888.60");
    EXPECT_EQ(m.periodicR, "0.00534474");
    EXPECT_EQ(m.inDays, "Normal");
    EXPECT_EQ(m.endMortYear, "       20.00");
    EXPECT_EQ(m.allPayments, " $213,264.12");
    EXPECT_EQ(m.totSavd, "        $.00");

    // A loan shows months to the final payment: 36 payments.
    AmortizationInput loan = loanOf(18000, 9.25, 3, CompMonthly, Monthly);
    loan.mortgageMode = 2;
    const AmortizationTexts l = resultTexts(run(loan), loan, "$", {});
    EXPECT_EQ(l.endMortYear, "       36.00");
    EXPECT_EQ(l.inMonthPI, "     $574.49");
    EXPECT_EQ(l.periodicR, "0.00770833");
}

TEST(AmortizationTexts, DaysInYearShowOnlyForTwoWeekAndWeekPayments) {
    struct Case {
        std::string_view frequency;
        int daysChoice;
        const char* shown;
    } cases[] = {
        {Monthly, 3, "Normal"},       {Semimonthly, 0, "Normal"}, {BiweeklyAcc, 0, "365.25"},
        {BiweeklyAcc, 1, "365"},      {TwoWeeks, 2, "364"},       {OneWeek, 3, "363"},
        {WeeklyAcc, 4, "365.25"},  // any other choice reads as 365.25
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.frequency) + " " + std::to_string(c.daysChoice));
        const AmortizationInput in = loanOf(100000, 6, 25, CompMonthly, c.frequency, c.daysChoice);
        EXPECT_EQ(resultTexts(run(in), in, "$", {}).inDays, c.shown);
    }
}

TEST(AmortizationTexts, BiweeklyYearsToFinalAndSavings) {
    // 555 payments / 26 = 21.35 years.
    const AmortizationInput in = loanOf(250000, 5.25, 25, CompSemiannual, BiweeklyAcc);
    const Amortization a = run(in);
    const AmortizationTexts t = resultTexts(a, in, "$", {});
    EXPECT_EQ(t.numPmtsYear, "          26");
    EXPECT_EQ(t.endMortYear, "       21.35");
    EXPECT_EQ(t.totSavd, RightAlign("$" + formatNumber(a.interestSavings, "###,,###.00"), 12));
    EXPECT_NE(t.totSavd, "        $.00");
}

TEST(DaysInYear, ValueSetsOfTheFourChoices) {
    // day counts / 14 and / 7, to eight decimals
    EXPECT_EQ(daysInYearSet(0).daysInYear, 365.25f);
    EXPECT_EQ(daysInYearSet(0).twoWeekPeriods, 26.08928571);
    EXPECT_EQ(daysInYearSet(1).weekPeriods, 52.14285714);
    EXPECT_EQ(daysInYearSet(2).twoWeekPeriods, 26.0);
    EXPECT_EQ(daysInYearSet(3).weekPeriods, 51.85714286);
    EXPECT_EQ(daysInYearSet(7).daysInYear, 365.25f);
}

} // namespace
