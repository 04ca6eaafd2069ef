#pragma once
// The comparison's engine: a plan's schedule as its lender computes it, and the figures the
// comparison sets side by side.
#include <optional>
#include <vector>

#include "Currency.h"
#include "LoanPlan.h"
#include "Result.h"

struct RenewalBalance {
    int after = 0;
    Currency balance;
};

// A payment in force from payment number `from` on (the first, and each one computed again
// after a renewal or a "lower the payment" lump sum).
struct PaymentInForce {
    int from = 1;
    Currency payment;
    friend bool operator==(const PaymentInForce&, const PaymentInForce&) = default;
};

struct PlanResult {
    int paymentsPerYear = 12;
    Currency payment; // in force at payment 1
    int payments = 0;
    Currency lastPayment;
    Currency totalInterest;
    Currency totalPaid; // principal + total interest
    double years = 0;   // payments / payments a year
    std::optional<int> payoffDate;
    std::vector<RenewalBalance> renewalBalances;
    std::vector<PaymentInForce> paymentsInForce; // in payment order, the first from 1
    std::vector<PaymentRow> rows;
    // Worksheet convention only: the mortgage worksheet's "total interest savings".
    std::optional<Currency> worksheetSavings;
};

// The schedule of one plan. Failures carry the text to show: a payment that does not cover
// the first period's interest, a schedule that would never end, figures out of range.
Result<PlanResult> calculatePlan(const LoanPlan& plan);

// A year's interest as the comparison shows it: its payments' unrounded interest, to the cent.
Currency yearInterest(const YearRow& year);

// The failure texts of the engine.
namespace compare_msg {
inline constexpr const char* PaymentTooSmall =
    "The payment does not cover the first period's interest.";
inline constexpr const char* NeverPaid = "The payment does not pay the loan off.";
inline constexpr const char* CannotCalculate = "Cannot calculate.";
inline constexpr const char* FirstPaymentAfterLoan =
    "The first payment must fall after the loan date.";
} // namespace compare_msg
