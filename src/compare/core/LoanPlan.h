#pragma once
// One plan of the loan comparison: the loan, how the lender computes it, and what the
// borrower adds to it (an extra amount with every payment, lump sums, renewals at new rates).
#include <array>
#include <optional>
#include <vector>

#include "Amortization.h"
#include "Currency.h"

// How the schedule is computed. Worksheet: the mortgage worksheet's own engine, unchanged.
// BankExact: interest never rounded, the balance carried exactly. BankCents: each period's
// interest rounded to the cent, the balance kept in cents.
enum class Convention { Worksheet, BankExact, BankCents };
enum class PaymentRounding { Nearest, Up };    // nearest: halves up
enum class InterestRounding { Nearest, Down }; // nearest: halves up
enum class LumpEffect { Shorten, Lower };      // keep the payment, or compute it again

// A plan's compounding and frequency are places in the worksheet's lists (LoanTerms.h).
constexpr int CompoundingKinds = static_cast<int>(CompoundingCounts.size());
constexpr int FrequencyKinds = static_cast<int>(FrequencyTerms.size());

struct LumpSum {
    int after = 0; // applied after this payment; 0: at the start, before the first payment
    Currency amount;
    LumpEffect effect = LumpEffect::Shorten;
};

struct Renewal {
    int after = 0;          // the new rate holds from the next payment on
    double ratePercent = 0; // 5.25 = 5.25 %
};

constexpr int MaxRenewals = 3;
constexpr int MaxLumpSums = 20;
constexpr int MaxTermYears = 40;
constexpr int MaxTermMonths = 480;

struct LoanPlan {
    Currency principal;
    double ratePercent = 0;
    int compounding = 0;
    int frequency = 0;
    int term = 25; // whole years, or months when termInMonths
    bool termInMonths = false;
    std::optional<Currency> givenPayment; // nothing: computed
    Currency extra;                       // added to principal with every payment
    Convention convention = Convention::BankCents;
    PaymentRounding paymentRounding = PaymentRounding::Nearest;
    InterestRounding interestRounding = InterestRounding::Nearest;
    // Day numbers (Dates.h). The first payment dates the schedule (monthly on its day of the
    // month, the month's last day when it is shorter; 15 days apart twice a month; 14 or 7
    // days apart); with the loan date too, interest runs on actual days / 365.
    std::optional<int> loanDate;
    std::optional<int> firstPayment;
    std::vector<LumpSum> lumps;
    std::vector<Renewal> renewals;
    // The worksheet convention's own entries, as a mortgage or loan file holds them.
    int daysChoice = 1;                                // as AmortizationInput's
    std::array<Currency, MaxYears + 1> yearlyExtras{}; // [y]: added at year y's first payment
    DateView dateView = DateView::PaymentNumbers;

    bool daily() const { return loanDate.has_value() && firstPayment.has_value(); }
};

// What the plan's frequency counts.
const FrequencyTerm& frequencyTerm(const LoanPlan& plan);

// The payments of the term: years x n, or months x n / 12 rounded to a whole number.
int termPayments(const LoanPlan& plan);
