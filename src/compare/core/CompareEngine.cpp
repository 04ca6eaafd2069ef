#include "CompareEngine.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <stdexcept>

namespace {

template <std::size_t N, class Term>
const Term& termAt(const std::array<Term, N>& terms, int place) {
    return terms[static_cast<std::size_t>(std::clamp(place, 0, static_cast<int>(N) - 1))];
}

using Real = long double;

// Payments beyond any term a plan can have (40 years weekly is 2,080): a schedule that
// reaches this has a payment that no longer pays the loan down.
constexpr int RunawayPayments = 100 * 52;

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

// x (in money) to whole cents, halves up. A long double holds a double's 53 bits times 100
// exactly, so the comparison is made on the figure itself.
std::int64_t roundHalfUp(Real x) {
    return floorOf(x * 100.0L + 0.5L);
}

enum class Rounding { HalfUp, Up, Down };

// ---- exact figures ------------------------------------------------------------------------
// A figure's exact value as a fraction of two 128-bit whole numbers, while it fits. The
// lender's figures are decided on it: 100 x 4.5 % / 12 is 0.375 exactly, a half cent that
// goes up, where its nearest long double lies a hair below.
using Wide = __int128;

struct Ratio {
    Wide num = 0;
    Wide den = 1; // above 0
};

Wide gcdOf(Wide a, Wide b) {
    if (a < 0)
        a = -a;
    while (b != 0) {
        const Wide r = a % b;
        a = b;
        b = r;
    }
    return a;
}

// Kept in lowest terms once the denominator grows, so long plans stay exact longer.
std::optional<Ratio> reduced(Ratio r) {
    if (r.den > Wide{1'000'000'000'000}) {
        const Wide g = gcdOf(r.num, r.den);
        if (g > 1) {
            r.num /= g;
            r.den /= g;
        }
    }
    return r;
}

std::optional<Ratio> times(const std::optional<Ratio>& a, const std::optional<Ratio>& b) {
    if (!a || !b)
        return std::nullopt;
    Ratio r;
    if (__builtin_mul_overflow(a->num, b->num, &r.num) ||
        __builtin_mul_overflow(a->den, b->den, &r.den))
        return std::nullopt;
    return reduced(r);
}

std::optional<Ratio> plus(const std::optional<Ratio>& a, const std::optional<Ratio>& b) {
    if (!a || !b)
        return std::nullopt;
    Ratio r;
    if (a->den == b->den) {
        if (__builtin_add_overflow(a->num, b->num, &r.num))
            return std::nullopt;
        r.den = a->den;
        return r;
    }
    Wide x = 0;
    Wide y = 0;
    if (__builtin_mul_overflow(a->num, b->den, &x) || __builtin_mul_overflow(b->num, a->den, &y) ||
        __builtin_add_overflow(x, y, &r.num) || __builtin_mul_overflow(a->den, b->den, &r.den))
        return std::nullopt;
    return reduced(r);
}

std::optional<Ratio> negated(const std::optional<Ratio>& a) {
    if (!a)
        return std::nullopt;
    return Ratio{-a->num, a->den};
}

// floor(num / den) for den > 0.
Wide floorDiv(Wide num, Wide den) {
    const Wide q = num / den;
    return (num % den != 0 && num < 0) ? q - 1 : q;
}

// The exact figure to whole cents; empty when the arithmetic would not fit.
std::optional<std::int64_t> centsOf(const Ratio& r, Rounding how) {
    Wide scaled = 0;
    if (__builtin_mul_overflow(r.num, Wide{200}, &scaled))
        return std::nullopt;
    Wide cents = 0;
    switch (how) {
    case Rounding::HalfUp: // floor(x * 100 + 1/2) = floor((200 num + den) / 2 den)
        cents = floorDiv(scaled + r.den, 2 * r.den);
        break;
    case Rounding::Up:
        cents = -floorDiv(-scaled, 2 * r.den);
        break;
    case Rounding::Down:
        cents = floorDiv(scaled, 2 * r.den);
        break;
    }
    if (cents > INT64_MAX || cents < INT64_MIN)
        return std::nullopt;
    return static_cast<std::int64_t>(cents);
}

// A figure of the schedule: its long double value, and its exact value while that fits.
struct Amount {
    Real approx = 0;
    std::optional<Ratio> exact;

    static Amount cents(std::int64_t c) { return {static_cast<Real>(c) / 100.0L, Ratio{c, 100}}; }
    static Amount of(Currency c) {
        return {static_cast<Real>(c.raw()) / Currency::Scale, Ratio{c.raw(), Currency::Scale}};
    }
    friend Amount operator+(const Amount& a, const Amount& b) {
        return {a.approx + b.approx, plus(a.exact, b.exact)};
    }
    friend Amount operator-(const Amount& a, const Amount& b) {
        return {a.approx - b.approx, plus(a.exact, negated(b.exact))};
    }
    friend Amount operator*(const Amount& a, const Amount& b) {
        return {a.approx * b.approx, times(a.exact, b.exact)};
    }
    // The sign, from the exact value when there is one.
    int sign() const {
        if (exact)
            return exact->num > 0 ? 1 : exact->num < 0 ? -1 : 0;
        return approx > 0.0000001L ? 1 : approx < -0.0000001L ? -1 : 0;
    }
    bool operator<(const Amount& other) const { return (*this - other).sign() < 0; }
};

std::int64_t rounded(const Amount& a, Rounding how) {
    if (a.exact)
        if (const auto c = centsOf(*a.exact, how))
            return *c;
    // Up or down, a product that misses a whole cent by a rounding error of the arithmetic is
    // that cent.
    switch (how) {
    case Rounding::Up:
        return ceilOf(a.approx * 100.0L - 1e-7L);
    case Rounding::Down:
        return floorOf(a.approx * 100.0L + 1e-7L);
    case Rounding::HalfUp:
        break;
    }
    return roundHalfUp(a.approx);
}

// n whole: n / 1.
Amount whole(std::int64_t n) {
    return {static_cast<Real>(n), Ratio{n, 1}};
}

// b to the power e, exactly while it fits.
Amount power(const Amount& b, int e) {
    Amount r = whole(1);
    for (int k = 0; k < e && r.exact; ++k)
        r.exact = times(r.exact, b.exact);
    r.approx = std::pow(b.approx, static_cast<Real>(e));
    return r;
}

// The whole q-th root of x when x is a q-th power.
std::optional<std::int64_t> wholeRoot(std::int64_t x, int q) {
    const auto guess = static_cast<std::int64_t>(
        std::llround(std::pow(static_cast<Real>(x), 1.0L / static_cast<Real>(q))));
    for (std::int64_t r = std::max<std::int64_t>(1, guess - 1); r <= guess + 1; ++r) {
        Wide p = 1;
        bool over = false;
        for (int k = 0; k < q && !over; ++k)
            over = __builtin_mul_overflow(p, Wide{r}, &p);
        if (!over && p == x)
            return r;
    }
    return std::nullopt;
}

// An annual rate given in percent, as the decimal fraction typed (5.29 % is 529 / 10,000),
// when it has at most six decimals; empty otherwise.
std::optional<Ratio> rateRatio(Real ratePercent) {
    const Real scaled = ratePercent * 1'000'000.0L;
    const long long r = std::llround(scaled);
    if (std::fabs(scaled - static_cast<Real>(r)) > 1e-6L)
        return std::nullopt;
    return Ratio{r, Wide{100'000'000}};
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
        : plan_(plan), n_(frequencyTerm(plan).paymentsPerYear), termN_(termPayments(plan)),
          exact_(plan.convention == Convention::BankExact) {}

    PlanResult run() {
        if (plan_.daily() && *plan_.firstPayment <= *plan_.loanDate)
            throw Fault{compare_msg::FirstPaymentAfterLoan};
        if (termN_ < 1)
            throw Fault{compare_msg::CannotCalculate};
        setRate(plan_.ratePercent);
        balance_ = Amount::of(plan_.principal);
        PlanResult out;
        out.paymentsPerYear = n_;
        out.rows.reserve(static_cast<std::size_t>(termN_));

        computed_ = !plan_.givenPayment;
        payment_ = computed_ ? paymentFor(balance_, termN_)
                             : rounded(Amount::of(*plan_.givenPayment), Rounding::HalfUp);
        for (const LumpSum& lump : plan_.lumps)
            if (lump.after == 0)
                applyLump(lump, 0);
        out.payment = fromCents(payment_);
        inForce_ = {{1, out.payment}};
        // A given payment must cover the first period's interest, compared in cents (1% of
        // 1,000 is 10.00, whatever the rate's last bit says); a computed one ends with the
        // term, even when it rounds to nothing (a tiny loan over many payments).
        if (!computed_ && balance_.sign() > 0 &&
            payment_ <= rounded(interestFor(1), Rounding::HalfUp))
            throw Fault{compare_msg::PaymentTooSmall};

        Amount totalInterest = whole(0);
        std::int64_t totalCentsInterest = 0;
        int k = 0;
        while (balance_.sign() > 0) {
            ++k;
            if (k > RunawayPayments)
                throw Fault{compare_msg::NeverPaid};
            for (const Renewal& renewal : plan_.renewals)
                if (renewal.after == k - 1 && renewal.after > 0)
                    renew(renewal, out);
            PaymentRow row;
            row.number = k;
            row.date = dateOf(k);
            Amount interest = interestFor(k);
            if (!exact_)
                interest = Amount::cents(roundInterest(interest));
            const std::int64_t due = rounded(balance_ + interest, Rounding::HalfUp);
            std::int64_t pay = payment_;
            bool last = false;
            if (due <= payment_ || (computed_ && k == termN_)) {
                pay = due;
                last = true;
            }
            balance_ = last ? whole(0) : balance_ - (Amount::cents(pay) - interest);
            // A given payment below a later period's interest (a month longer than the
            // first on daily interest) lets the balance grow: refused before it runs away.
            if (!computed_ && balance_.approx > 2 * Amount::of(plan_.principal).approx)
                throw Fault{compare_msg::NeverPaid};
            if (!exact_)
                balance_ = Amount::cents(rounded(balance_, Rounding::HalfUp));
            std::int64_t extra = 0;
            if (!last && plan_.extra.raw() > 0)
                extra += takeFromBalance(Amount::of(plan_.extra));
            for (const LumpSum& lump : plan_.lumps)
                if (lump.after == k && balance_.sign() > 0)
                    extra += applyLump(lump, k);
            row.payment = fromCents(pay);
            row.exactInterest = interest.approx;
            const std::int64_t interestCents = rounded(interest, Rounding::HalfUp);
            row.interest = fromCents(interestCents);
            row.principal = row.payment.sub(row.interest);
            row.extra = fromCents(extra);
            row.balance = fromCents(balance_.sign() > 0 ? rounded(balance_, Rounding::HalfUp) : 0);
            totalInterest = totalInterest + interest;
            totalCentsInterest += interestCents;
            out.rows.push_back(row);
            if (balance_.sign() <= 0)
                balance_ = whole(0);
        }
        out.payments = k;
        out.paymentsInForce = std::move(inForce_);
        out.lastPayment = out.rows.empty() ? Currency{} : out.rows.back().payment;
        out.totalInterest = exact_ ? fromCents(rounded(totalInterest, Rounding::HalfUp))
                                   : fromCents(totalCentsInterest);
        out.totalPaid = plan_.principal.add(out.totalInterest);
        out.years = static_cast<double>(k) / n_;
        if (!out.rows.empty())
            out.payoffDate = out.rows.back().date;
        return out;
    }

  private:
    // The periodic rate for `periodsPerYear` payments: (1 + r/m)^(m/n) - 1, exact when it is
    // a fraction (m = n, no interest, or 1 + r/m a perfect power of the root taken).
    Amount periodicRate(int periodsPerYear) const {
        const int m = termAt(CompoundingCounts, plan_.compounding).bank;
        Amount out;
        out.approx =
            std::pow(1.0L + rate_.approx / m, static_cast<Real>(m) / periodsPerYear) - 1.0L;
        if (!rate_.exact)
            return out;
        // 1 + r/m = c/d in lowest terms; the power p/q in lowest terms.
        Wide c = rate_.exact->den * m + rate_.exact->num;
        Wide d = rate_.exact->den * m;
        const Wide g = gcdOf(c, d);
        c /= g;
        d /= g;
        const int common = std::gcd(m, periodsPerYear);
        const int p = m / common;
        const int q = periodsPerYear / common;
        if (c > INT64_MAX || d > INT64_MAX)
            return out;
        const auto rc = q == 1 ? std::optional<std::int64_t>(c) : wholeRoot(c, q);
        const auto rd = q == 1 ? std::optional<std::int64_t>(d) : wholeRoot(d, q);
        if (!rc || !rd)
            return out;
        const Amount base{0, Ratio{*rc, *rd}};
        out.exact = plus(power(base, p).exact, Ratio{-1, 1});
        return out;
    }

    std::int64_t roundPayment(const Amount& x) const {
        return rounded(x, plan_.paymentRounding == PaymentRounding::Up ? Rounding::Up
                                                                       : Rounding::HalfUp);
    }
    std::int64_t roundInterest(const Amount& x) const {
        return rounded(x, plan_.interestRounding == InterestRounding::Down ? Rounding::Down
                                                                           : Rounding::HalfUp);
    }

    // P i / (1 - (1 + i)^-N) = P i w / (w - 1), w = (1 + i)^N; P / N without interest.
    static Amount level(const Amount& principal, const Amount& i, int count) {
        if (i.sign() == 0 && (i.exact || i.approx == 0))
            return {principal.approx / count,
                    times(principal.exact, Ratio{1, static_cast<Wide>(count)})};
        const Amount w = power(whole(1) + i, count);
        Amount out;
        out.approx = principal.approx * i.approx /
                     (1.0L - std::pow(1.0L + i.approx, -static_cast<Real>(count)));
        const auto wMinusOne = plus(w.exact, Ratio{-1, 1});
        if (wMinusOne && wMinusOne->num > 0)
            out.exact = times(times(principal.exact, i.exact),
                              times(w.exact, Ratio{wMinusOne->den, wMinusOne->num}));
        return out;
    }

    // The payment that repays `principal` over `count` payments at the rate in force; an
    // accelerated plan pays the monthly payment over the same time divided by 2 or 4, that
    // division rounded in whole cents.
    std::int64_t paymentFor(const Amount& principal, int count) const {
        if (count < 1)
            return rounded(principal, Rounding::HalfUp);
        const int divisor = frequencyTerm(plan_).accelerationDivisor;
        if (divisor == 0)
            return roundPayment(level(principal, periodic_, count));
        const int months = std::max(1, static_cast<int>(std::lround(count * 12.0 / n_)));
        const std::int64_t monthly = roundPayment(level(principal, periodicRate(12), months));
        return roundPayment(Amount{static_cast<Real>(monthly) / 100.0L / divisor,
                                   Ratio{monthly, Wide{100} * divisor}});
    }

    void setRate(double ratePercent) {
        rate_ = {static_cast<Real>(ratePercent) / 100.0L, rateRatio(ratePercent)};
        periodic_ = periodicRate(n_);
    }

    // The interest of payment k on the balance now owed.
    Amount interestFor(int k) const {
        if (!plan_.daily())
            return balance_ * periodic_;
        const int from = k == 1 ? *plan_.loanDate : *dateOf(k - 1);
        const int to = *dateOf(k);
        return balance_ * rate_ *
               Amount{static_cast<Real>(to - from) / 365.0L, Ratio{to - from, 365}};
    }
    std::optional<int> dateOf(int k) const {
        if (!plan_.firstPayment)
            return std::nullopt;
        return paymentDate(*plan_.firstPayment, k, frequencyTerm(plan_).step, BankHalfMonthDays);
    }

    std::int64_t takeFromBalance(const Amount& amount) {
        const Amount taken = amount < balance_ ? amount : balance_;
        balance_ = balance_ - taken;
        if (!exact_)
            balance_ = Amount::cents(rounded(balance_, Rounding::HalfUp));
        return rounded(taken, Rounding::HalfUp);
    }

    std::int64_t applyLump(const LumpSum& lump, int k) {
        const std::int64_t taken = takeFromBalance(Amount::of(lump.amount));
        if (lump.effect == LumpEffect::Lower && balance_.sign() > 0) {
            payment_ = paymentFor(balance_, termN_ - k);
            computed_ = true;
            if (k > 0)
                noteNewPayment(k + 1);
        }
        return taken;
    }

    void renew(const Renewal& renewal, PlanResult& out) {
        out.renewalBalances.push_back(
            {renewal.after, fromCents(rounded(balance_, Rounding::HalfUp))});
        setRate(renewal.ratePercent);
        payment_ = paymentFor(balance_, termN_ - renewal.after);
        computed_ = true;
        noteNewPayment(renewal.after + 1);
    }

    void noteNewPayment(int from) {
        if (!inForce_.empty() && inForce_.back().from == from)
            inForce_.pop_back();
        if (inForce_.empty() || inForce_.back().payment != fromCents(payment_))
            inForce_.push_back({from, fromCents(payment_)});
    }

    const LoanPlan& plan_;
    const int n_;
    const int termN_;
    const bool exact_;
    Amount rate_;     // the annual rate, 0.0529 for 5.29 %
    Amount periodic_; // its periodic rate, for n_ payments a year
    Amount balance_;
    std::int64_t payment_ = 0;
    bool computed_ = true;
    std::vector<PaymentInForce> inForce_;
};

// The mortgage worksheet's entries for a plan under its convention.
AmortizationInput worksheetInput(const LoanPlan& plan) {
    AmortizationInput input;
    input.principal = plan.principal;
    input.ratePercent = Currency::fromDouble(plan.ratePercent).value_or(Currency{});
    input.mode = plan.termInMonths ? LoanMode::Loan : LoanMode::Mortgage;
    input.termYears = plan.termInMonths
                          ? Currency::fromDouble(plan.term / 12.0).value_or(Currency{})
                          : Currency::fromWhole(plan.term);
    input.compounding = std::string(CompoundingEntries[static_cast<std::size_t>(plan.compounding)]);
    input.frequency = std::string(FrequencyEntries[static_cast<std::size_t>(plan.frequency)]);
    input.daysChoice = plan.daysChoice;
    input.extraPayments = plan.yearlyExtras;
    input.firstPaymentDate = plan.firstPayment.value_or(0);
    input.dateView = plan.dateView;
    return input;
}

Result<PlanResult> worksheetPlan(const LoanPlan& plan) {
    const Result<Amortization> done = amortize(worksheetInput(plan));
    if (!done)
        return done.failure();
    const Amortization& a = done.value();
    PlanResult out;
    out.paymentsPerYear = a.paymentsPerYear;
    out.payment = Currency::fromRaw(roundHalfUp(a.payment) * 100);
    for (PaymentRow row : a.payments) {
        row.exactInterest = Amount::of(row.interest).approx;
        // The payments are the lender's rounded one; a yearly additional payment and the
        // worksheet's fractions of a cent ride as extras.
        const Currency paid = row.payment.add(row.extra);
        row.payment = row.number < a.payments.back().number ? std::min(paid, out.payment) : paid;
        row.extra = paid.sub(row.payment);
        row.principal = row.payment.sub(row.interest);
        out.rows.push_back(row);
    }
    out.payments = static_cast<int>(a.payments.size());
    out.paymentsInForce = {{1, out.payment}};
    out.lastPayment = out.rows.empty() ? Currency{} : out.rows.back().payment;
    out.totalInterest = out.rows.empty() ? Currency{} : toCent(a.payments.back().cumInterest);
    out.totalPaid = toCent(a.totalPaid);
    out.years = a.yearsToFinal;
    if (!out.rows.empty())
        out.payoffDate = out.rows.back().date;
    out.worksheetSavings = toCent(a.interestSavings);
    return out;
}

} // namespace

const FrequencyTerm& frequencyTerm(const LoanPlan& plan) {
    return termAt(FrequencyTerms, plan.frequency);
}

int termPayments(const LoanPlan& plan) {
    const int n = frequencyTerm(plan).paymentsPerYear;
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

Currency yearInterest(const YearRow& year) {
    return fromCents(roundHalfUp(year.exactInterest));
}
