#include "CompareEngine.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "Dates.h"

namespace {

using Real = long double;

// Payments beyond any term a plan can have (40 years weekly is 2,080): a schedule that
// reaches this has a payment that no longer pays the loan down.
constexpr int RunawayPayments = 100 * 52;

Real amountOf(Currency c) {
    return static_cast<Real>(c.raw()) / Currency::Scale;
}

Currency fromCents(std::int64_t cents) {
    std::int64_t raw = 0;
    if (__builtin_mul_overflow(cents, std::int64_t{100}, &raw))
        throw std::overflow_error("cents beyond a currency figure");
    return Currency::fromRaw(raw);
}

// The whole numbers below and above y. Rounded in the processor's own mode (to nearest) and
// corrected, rather than through floor and ceil, which switch the mode at every call: a
// schedule rounds a few times per payment.
std::int64_t floorOf(Real y) {
    const long long r = std::llrint(y);
    return static_cast<Real>(r) > y ? r - 1 : r;
}
std::int64_t ceilOf(Real y) {
    const long long r = std::llrint(y);
    return static_cast<Real>(r) < y ? r + 1 : r;
}

// x (in money) to whole cents: halves up, or always up. A long double holds a double's 53
// bits times 100 exactly, so the comparison is made on the figure itself.
std::int64_t roundHalfUp(Real x) {
    return floorOf(x * 100.0L + 0.5L);
}
std::int64_t roundUp(Real x) {
    // A product that misses a whole cent by a rounding error of the arithmetic is that cent.
    return ceilOf(x * 100.0L - 1e-7L);
}
std::int64_t roundDown(Real x) {
    return floorOf(x * 100.0L + 1e-7L);
}

// A worksheet figure as the worksheet shows it: to the cent, halves away from zero.
Currency toCent(Currency c) {
    const std::int64_t raw = c.raw();
    const std::int64_t cents = (raw >= 0 ? raw + 50 : raw - 50) / 100;
    return fromCents(cents);
}

struct Fault {
    const char* text;
};

class BankSchedule {
  public:
    explicit BankSchedule(const LoanPlan& plan)
        : plan_(plan), n_(paymentsPerYear(plan.frequency)), termN_(termPayments(plan)),
          exact_(plan.convention == Convention::BankExact) {}

    PlanResult run() {
        if (plan_.daily() && *plan_.firstPayment <= *plan_.loanDate)
            throw Fault{compare_msg::FirstPaymentAfterLoan};
        if (termN_ < 1)
            throw Fault{compare_msg::CannotCalculate};
        setRate(plan_.ratePercent);
        balance_ = amountOf(plan_.principal);
        PlanResult out;
        out.paymentsPerYear = n_;
        out.rows.reserve(static_cast<std::size_t>(termN_));

        computed_ = !plan_.givenPayment;
        payment_ =
            computed_ ? paymentFor(balance_, termN_) : roundHalfUp(amountOf(*plan_.givenPayment));
        for (const LumpSum& lump : plan_.lumps)
            if (lump.after == 0)
                applyLump(lump, 0);
        out.payment = fromCents(payment_);
        // A given payment must cover the first period's interest, compared in cents (1% of
        // 1,000 is 10.00, whatever the rate's last bit says); a computed one ends with the
        // term, even when it rounds to nothing (a tiny loan over many payments).
        if (!computed_ && balance_ > 0 && payment_ <= roundHalfUp(interestFor(1)))
            throw Fault{compare_msg::PaymentTooSmall};

        Real totalInterest = 0;
        std::int64_t totalCentsInterest = 0;
        int k = 0;
        while (balance_ > 0) {
            ++k;
            if (k > RunawayPayments)
                throw Fault{compare_msg::NeverPaid};
            for (const Renewal& renewal : plan_.renewals)
                if (renewal.after == k - 1 && renewal.after > 0)
                    renew(renewal, out);
            PaymentRow row;
            row.number = k;
            row.date = dateOf(k);
            Real interest = interestFor(k);
            if (!exact_)
                interest = static_cast<Real>(roundInterest(interest)) / 100.0L;
            const std::int64_t due = roundHalfUp(balance_ + interest);
            std::int64_t pay = payment_;
            bool last = false;
            if (due <= payment_ || (computed_ && k == termN_)) {
                pay = due;
                last = true;
            }
            balance_ = last ? 0 : balance_ - (static_cast<Real>(pay) / 100.0L - interest);
            // A given payment below a later period's interest (a month longer than the
            // first on daily interest) lets the balance grow: refused before it runs away.
            if (!computed_ && balance_ > 2 * amountOf(plan_.principal))
                throw Fault{compare_msg::NeverPaid};
            if (!exact_)
                balance_ = static_cast<Real>(roundHalfUp(balance_)) / 100.0L;
            std::int64_t extra = 0;
            if (!last && plan_.extra.raw() > 0)
                extra += takeFromBalance(amountOf(plan_.extra));
            for (const LumpSum& lump : plan_.lumps)
                if (lump.after == k && balance_ > 0)
                    extra += applyLump(lump, k);
            row.payment = fromCents(pay);
            row.exactInterest = interest;
            row.interest = fromCents(roundHalfUp(interest));
            row.principal = row.payment.sub(row.interest);
            row.extra = fromCents(extra);
            row.balance = fromCents(roundHalfUp(std::max<Real>(balance_, 0)));
            totalInterest += interest;
            totalCentsInterest += roundHalfUp(interest);
            out.rows.push_back(row);
            if (balance_ <= 0.0000001L)
                balance_ = 0;
        }
        out.payments = k;
        out.lastPayment = out.rows.empty() ? Currency{} : out.rows.back().payment;
        out.totalInterest =
            exact_ ? fromCents(roundHalfUp(totalInterest)) : fromCents(totalCentsInterest);
        out.totalPaid = plan_.principal.add(out.totalInterest);
        out.years = static_cast<double>(k) / n_;
        if (!out.rows.empty())
            out.payoffDate = out.rows.back().date;
        return out;
    }

  private:
    Real periodicRate(Real rate, int periodsPerYear) const {
        const Real m = compoundingPerYear(plan_.compounding);
        return std::pow(1.0L + rate / m, m / periodsPerYear) - 1.0L;
    }

    std::int64_t roundPayment(Real x) const {
        return plan_.paymentRounding == PaymentRounding::Up ? roundUp(x) : roundHalfUp(x);
    }
    std::int64_t roundInterest(Real x) const {
        return plan_.interestRounding == InterestRounding::Down ? roundDown(x) : roundHalfUp(x);
    }

    static Real level(Real principal, Real i, int count) {
        if (i == 0)
            return principal / count;
        return principal * i / (1.0L - std::pow(1.0L + i, -static_cast<Real>(count)));
    }

    // The payment that repays `principal` over `count` payments at the rate in force; an
    // accelerated plan pays the monthly payment over the same time divided by 2 or 4.
    std::int64_t paymentFor(Real principal, int count) const {
        if (count < 1)
            return roundHalfUp(principal);
        const int divisor = accelerationDivisor(plan_.frequency);
        if (divisor == 0)
            return roundPayment(level(principal, periodicRate(rate_, n_), count));
        const int months = std::max(1, static_cast<int>(std::lround(count * 12.0 / n_)));
        const std::int64_t monthly =
            roundPayment(level(principal, periodicRate(rate_, 12), months));
        return roundPayment(static_cast<Real>(monthly) / 100.0L / divisor);
    }

    void setRate(double ratePercent) {
        rate_ = ratePercent / 100.0L;
        periodic_ = periodicRate(rate_, n_);
    }

    // The interest of payment k on the balance now owed.
    Real interestFor(int k) const {
        if (!plan_.daily())
            return balance_ * periodic_;
        const int from = k == 1 ? *plan_.loanDate : *dateOf(k - 1);
        const int to = *dateOf(k);
        return balance_ * rate_ * static_cast<Real>(to - from) / 365.0L;
    }

    std::optional<int> dateOf(int k) const {
        if (!plan_.firstPayment)
            return std::nullopt;
        const int first = *plan_.firstPayment;
        switch (plan_.frequency) {
        case 0:
            return addMonths(first, k - 1);
        case 1: // semimonthly: the day and fifteen days later, each month
            return addDays(addMonths(first, (k - 1) / 2), (k - 1) % 2 * 15);
        case 2:
        case 4:
            return addDays(first, 14 * (k - 1));
        default:
            return addDays(first, 7 * (k - 1));
        }
    }

    std::int64_t takeFromBalance(Real amount) {
        const Real taken = std::min(amount, balance_);
        balance_ -= taken;
        if (!exact_)
            balance_ = static_cast<Real>(roundHalfUp(balance_)) / 100.0L;
        return roundHalfUp(taken);
    }

    std::int64_t applyLump(const LumpSum& lump, int k) {
        const std::int64_t taken = takeFromBalance(amountOf(lump.amount));
        if (lump.effect == LumpEffect::Lower && balance_ > 0) {
            payment_ = paymentFor(balance_, termN_ - k);
            computed_ = true;
        }
        return taken;
    }

    void renew(const Renewal& renewal, PlanResult& out) {
        out.renewalBalances.push_back({renewal.after, fromCents(roundHalfUp(balance_))});
        setRate(renewal.ratePercent);
        payment_ = paymentFor(balance_, termN_ - renewal.after);
        computed_ = true;
    }

    const LoanPlan& plan_;
    const int n_;
    const int termN_;
    const bool exact_;
    Real rate_ = 0;
    Real periodic_ = 0; // the periodic rate of rate_, for n_ payments a year
    Real balance_ = 0;
    std::int64_t payment_ = 0;
    bool computed_ = true;
};

Result<PlanResult> worksheetPlan(const LoanPlan& plan) {
    AmortizationInput input = plan.worksheet;
    input.scheduleView = 2;
    const Result<Amortization> done = amortize(input);
    if (!done)
        return done.failure();
    const Amortization& a = done.value();
    PlanResult out;
    out.paymentsPerYear = a.paymentsPerYear;
    out.payment = Currency::fromRaw(roundHalfUp(a.payment) * 100);
    for (int k = 1; k <= a.last; ++k) {
        const ScheduleRow& s = a.rows[static_cast<std::size_t>(k)];
        PaymentRow row;
        row.number = k;
        if (input.dateView == 1)
            row.date = static_cast<int>(s.dateOrYear.raw() / Currency::Scale);
        row.interest = s.interest;
        row.exactInterest = amountOf(s.interest);
        const Currency paid = s.interest.add(s.principal);
        // A yearly additional payment rides on the first payment of its year.
        row.payment = k < a.last ? std::min(paid, out.payment) : paid;
        row.extra = paid.sub(row.payment);
        row.principal = row.payment.sub(row.interest);
        row.balance = s.balance;
        out.rows.push_back(row);
    }
    out.payments = a.last;
    out.lastPayment = out.rows.empty() ? Currency{} : out.rows.back().payment;
    out.totalInterest = out.rows.empty()
                            ? Currency{}
                            : toCent(a.rows[static_cast<std::size_t>(a.last)].cumInterest);
    out.totalPaid = toCent(a.totalPaid);
    out.years = a.yearsToFinal;
    if (!out.rows.empty())
        out.payoffDate = out.rows.back().date;
    out.worksheetSavings = toCent(a.interestSavings);
    return out;
}

} // namespace

int compoundingPerYear(int compounding) {
    static constexpr int perYear[CompoundingKinds] = {12, 6, 4, 2, 1};
    return perYear[std::clamp(compounding, 0, CompoundingKinds - 1)];
}

int paymentsPerYear(int frequency) {
    static constexpr int perYear[FrequencyKinds] = {12, 24, 26, 52, 26, 52};
    return perYear[std::clamp(frequency, 0, FrequencyKinds - 1)];
}

int accelerationDivisor(int frequency) {
    return frequency == 4 ? 2 : frequency == 5 ? 4 : 0;
}

int termPayments(const LoanPlan& plan) {
    const int n = paymentsPerYear(plan.frequency);
    if (!plan.termInMonths)
        return plan.term * n;
    return static_cast<int>(std::lround(plan.term * n / 12.0));
}

Result<PlanResult> calculatePlan(const LoanPlan& plan) {
    if (plan.convention == Convention::Worksheet)
        return worksheetPlan(plan);
    try {
        return BankSchedule(plan).run();
    } catch (const Fault& fault) {
        return Failure{0, fault.text};
    } catch (const std::overflow_error&) {
        return Failure{0, compare_msg::CannotCalculate};
    }
}

std::vector<YearRow> yearlyTotals(const PlanResult& result) {
    std::vector<YearRow> years;
    Real interest = 0;
    Currency paid;
    for (std::size_t i = 0; i < result.rows.size(); ++i) {
        const PaymentRow& row = result.rows[i];
        interest += row.exactInterest;
        paid = paid.add(row.payment).add(row.extra);
        const bool yearEnds =
            row.number % result.paymentsPerYear == 0 || i + 1 == result.rows.size();
        if (!yearEnds)
            continue;
        YearRow year;
        year.year = (row.number - 1) / result.paymentsPerYear + 1;
        year.payments = paid;
        year.interest = fromCents(roundHalfUp(interest));
        year.principal = paid.sub(year.interest);
        year.balance = row.balance;
        years.push_back(year);
        interest = 0;
        paid = Currency{};
    }
    return years;
}

std::vector<Currency> balancesByYear(const LoanPlan& plan, const PlanResult& result) {
    std::vector<Currency> balances{
        plan.convention == Convention::Worksheet ? plan.worksheet.principal : plan.principal};
    for (const YearRow& year : yearlyTotals(result))
        balances.push_back(year.balance);
    return balances;
}
