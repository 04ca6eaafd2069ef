#include "Amortization.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "Dates.h"
#include "Messages.h"
#include "ScheduleCell.h"
#include "ScheduleTexts.h"

DaysInYearSet daysInYearSet(int daysChoice) {
    constexpr std::array<DaysInYearSet, 4> Sets = {{{365.25f, 26.08928571, 52.17857143},
                                                    {365.0f, 26.07142857, 52.14285714},
                                                    {364.0f, 26.0, 52.0},
                                                    {363.0f, 25.92857143, 51.85714286}}};
    return Sets[daysChoice >= 1 && daysChoice <= 3 ? static_cast<std::size_t>(daysChoice) : 0];
}

bool paymentDatesFit(int firstPaymentDate, Currency termYears) {
    static const int lastDay = dateSerial(9999, 12, 31);
    // Whole months of the term, rounded up; terms beyond what a schedule holds count as
    // one month more than the longest (they cannot fit near the end of the calendar either).
    constexpr std::int64_t longest = 12 * (MaxYears + 1);
    const std::int64_t raw = std::max<std::int64_t>(termYears.raw(), 0);
    const std::int64_t months = raw > longest * Currency::Scale
                                    ? longest
                                    : (raw * 12 + Currency::Scale - 1) / Currency::Scale;
    if (firstPaymentDate > lastDay)
        return false;
    return months == 0 || addMonths(firstPaymentDate, static_cast<int>(months)) - 1 <= lastDay;
}

namespace {
// Room for the payments that weekly and two-week plans make beyond 26 or 52 a year (a year
// has 26.07 two-week and 52.14 one-week periods), so the schedule never stops short.
constexpr double SpareShortPayments = 50.0;
// A balance left below this after the loop is rounding over the rows: the last payment is
// closed so that it pays exactly what was still owed.
constexpr double FinalPaymentSlack = 6.0;

// Any arithmetic fault inside the calculation; reported as one "wrong or missing entry".
struct CalcFault : std::runtime_error {
    using std::runtime_error::runtime_error;
};

double finite(double value, const char* what) {
    if (!std::isfinite(value))
        throw CalcFault(what);
    return value;
}

// Out of line and cold, so that the loops calling cell() keep only the fast path inline.
[[noreturn, gnu::noinline, gnu::cold]] void cellFault() {
    throw CalcFault("schedule value out of range");
}

inline Currency cell(double value) {
    Currency c;
    if (!scheduleCell(value, c)) [[unlikely]]
        cellFault();
    return c;
}

Currency cellSum(Currency a, Currency b) {
    auto c = a.plus(b);
    if (!c)
        throw CalcFault("schedule sum out of range");
    return *c;
}

Currency cellDifference(Currency a, Currency b) {
    auto c = a.minus(b);
    if (!c)
        throw CalcFault("schedule difference out of range");
    return *c;
}

// The old runtime turned fractions into whole numbers by rounding half to even.
std::int16_t toInt16(double value) {
    double rounded = std::nearbyint(finite(value, "whole number"));
    if (rounded < -32768.0 || rounded > 32767.0)
        throw CalcFault("16-bit overflow");
    return static_cast<std::int16_t>(rounded);
}

Amortization calculate(const AmortizationInput& in) {
    const DaysInYearSet days = daysInYearSet(in.daysChoice);
    const auto frequency = frequencyPlace(in.frequency);
    const auto place = compoundingPlace(in.compounding);
    if (!frequency || !place)
        throw CalcFault("unknown list entry");
    const FrequencyTerm& freq = FrequencyTerms[static_cast<std::size_t>(*frequency)];
    // n of the periodic rate, by payment step.
    const double periods[] = {12.0, 24.0, days.twoWeekPeriods, days.weekPeriods};
    // The part of the monthly payment paid each time.
    const double share =
        freq.accelerationDivisor ? 1.0 / freq.accelerationDivisor : 12.0 / freq.paymentsPerYear;
    const int m = CompoundingCounts[static_cast<std::size_t>(*place)].worksheet;
    if (in.dateView == DateView::Dates && !paymentDatesFit(in.firstPaymentDate, in.termYears))
        throw CalcFault("payment dates beyond 9999-12-31");

    const double P = in.principal.toDouble();
    const double r = in.ratePercent.toDouble() / 100.0;
    const double T = in.termYears.toDouble();
    const double base = 1.0 + r / m;

    Amortization a;
    a.paymentsPerYear = freq.paymentsPerYear;
    const int ppy = a.paymentsPerYear;

    a.monthlyRate = finite(std::pow(base, m / 12.0) - 1.0, "monthly rate");
    a.periodicRate =
        finite(std::pow(base, m / periods[static_cast<int>(freq.step)]) - 1.0, "periodic rate");

    const double v = finite(1.0 / std::pow(base, m * T), "discount factor");
    const double annuity = 1.0 - v;
    if (annuity == 0.0)
        throw CalcFault("division by zero");
    a.monthlyPayment = finite(P * a.monthlyRate / annuity, "monthly payment");
    const double plainCost = finite(12.0 * a.monthlyPayment * T, "cost of the monthly plan");
    a.payment = finite(P * (a.monthlyRate * share) / annuity, "periodic payment");
    // Monthly payments pay at the monthly rate, the others at the periodic one.
    const double i = freq.step == PaymentStep::Month ? a.monthlyRate : a.periodicRate;

    double bound = 12.0 * T;
    if (ppy == 24 || ppy == 26)
        bound = T * 26.0 + SpareShortPayments;
    else if (ppy == 52)
        bound = T * 52.0 + SpareShortPayments;
    int n = toInt16(bound);
    if (n < 1)
        throw CalcFault("no payments");
    if (n > MaxScheduleRows)
        n = MaxScheduleRows;

    std::vector<PaymentRow>& rows = a.payments;
    rows.reserve(static_cast<std::size_t>(n));

    double B = P;
    double I = P * i;
    double Q = a.payment - I;
    double rowI = 0, rowQ = 0, cumI = 0, cumQ = 0;
    const bool datedRows = in.dateView == DateView::Dates;
    // The loop counts a year's additional payment with the principal of the payment it rides
    // on; the rows keep it apart once the schedule is closed.
    Currency extraNow;

    // Year of payment k and the payments left in it, counted along instead of divided out.
    int y = 0;
    int leftInYear = 0;
    for (int k = 1; k <= n; ++k) {
        if (leftInYear-- == 0) {
            ++y;
            leftInYear = ppy - 1;
            if (y > MaxYears)
                throw CalcFault("year beyond the additional payments table");
            const Currency A = in.extraPayments[static_cast<std::size_t>(y)];
            // The previous payment's principal part, its additional payment included.
            const double before =
                rows.empty() ? 0.0 : cellSum(rows.back().principal, rows.back().extra).toDouble();
            if (A.toDouble() < B - before) {
                // The year's amount joins the principal part in fixed point.
                Q = cellSum(cell(Q), A).toDouble();
                extraNow = A;
                if (A > Currency{})
                    a.applied.push_back({y, A});
            }
        }
        rowI += I;
        rowQ += Q;
        B -= Q;
        I = i * B;
        Q = a.payment - I;
        if (rowI < 0)
            break; // this payment started from a balance already paid off
        cumI += rowI;
        cumQ += rowQ;

        PaymentRow& row = rows.emplace_back();
        row.number = k;
        row.interest = cell(rowI);
        row.principal = cell(rowQ);
        if (!extraNow.isZero())
            row.principal = cellDifference(row.principal, extraNow);
        row.payment = cellSum(row.interest, row.principal);
        row.extra = extraNow;
        row.balance = cell(B);
        row.cumInterest = cell(cumI);
        row.cumPrincipal = cell(cumQ);
        if (datedRows)
            row.date = paymentDate(in.firstPaymentDate, k, freq.step, WorksheetHalfMonthDays);
        rowI = rowQ = 0;
        extraNow = Currency{};
    }
    finite(B, "balance");

    const int K = static_cast<int>(rows.size());
    if (K < 1)
        throw CalcFault("empty schedule");
    if (B < FinalPaymentSlack) {
        // Close the final payment: it pays exactly what was still owed (from nothing
        // owed before a one-payment schedule).
        const PaymentRow before = K > 1 ? rows[rows.size() - 2] : PaymentRow{};
        PaymentRow& fin = rows.back();
        fin.principal = before.balance;
        fin.cumInterest = cellSum(fin.interest, before.cumInterest);
        fin.cumPrincipal = cellSum(fin.cumPrincipal, fin.balance);
        fin.balance = cellDifference(before.balance, fin.principal);
        fin.principal = cellDifference(fin.principal, fin.extra);
        fin.payment = cellSum(fin.interest, fin.principal);
    }

    a.yearsToFinal = static_cast<float>(static_cast<double>(K) / ppy);
    a.totalPaid = cellSum(rows.back().cumInterest, rows.back().cumPrincipal);
    a.interestSavings = cell(plainCost - a.totalPaid.toDouble());
    a.graphTitle = mortgageGraphTitle(in.mode);
    a.years = yearlyTotals(rows, ppy, in.principal);
    a.scheduleYears = in.scheduleView == ScheduleView::AnnualTotals
                          ? toInt16(static_cast<double>(a.yearsToFinal))
                          : K;
    return a;
}

} // namespace

Result<Amortization> amortize(const AmortizationInput& input) {
    if (input.mode == LoanMode::Mortgage && input.termYears >= Currency::fromWhole(41))
        return Failure{msg::FortyYearsLimit, "term of 41 years or more"};
    try {
        return calculate(input);
    } catch (const std::exception& e) {
        return Failure{msg::WrongOrMissingEntry, e.what()};
    }
}
