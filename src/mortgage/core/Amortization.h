#pragma once
// The amortization engine: from a loan's entries to its payment schedule, its yearly
// totals and the result figures. Pure and deterministic; working values are doubles,
// every stored cell is Currency.
#include <array>
#include <string>
#include <vector>

#include "Currency.h"
#include "LoanSchedule.h"
#include "LoanTerms.h"
#include "Result.h"

constexpr int MaxScheduleRows = 2100;
constexpr int MaxYears = 45;

// The days-in-year choice (0: 365.25, 1: 365, 2: 364, 3: 363) and the values it sets.
struct DaysInYearSet {
    float daysInYear;
    double twoWeekPeriods;
    double weekPeriods;
};
DaysInYearSet daysInYearSet(int daysChoice); // any other choice reads as 0

// Dates stay four-digit: every payment of a term of `termYears` falls before the term's
// end, which must not pass 31 Dec 9999. A zero term checks the first date alone.
bool paymentDatesFit(int firstPaymentDate, Currency termYears);

// The worksheet's kinds, numbered as its loan files store them.
enum class ScheduleView { AnnualTotals = 1, AllPayments = 2 };
enum class DateView { PaymentNumbers = 0, Dates = 1 };
enum class LoanMode { Mortgage = 1, Loan = 2 };

struct AmortizationInput {
    Currency principal;   // LoanInputs 1
    Currency ratePercent; // LoanInputs 2, 7.5 = 7.5 %
    Currency termYears;   // LoanInputs 3 (a loan's months / 12)
    std::string compounding{CompoundingEntries[0]};
    std::string frequency{FrequencyEntries[0]};
    int daysChoice = 1;
    std::array<Currency, MaxYears + 1> extraPayments{}; // [y]: added at the first payment of year y
    int firstPaymentDate = 0;                           // day number (Dates.h) of the first payment
    ScheduleView scheduleView = ScheduleView::AllPayments;
    DateView dateView = DateView::PaymentNumbers;
    LoanMode mode = LoanMode::Mortgage;
};

struct AppliedExtraPayment {
    int year;
    Currency amount;
};

struct Amortization {
    std::vector<PaymentRow> payments; // dated when the input shows dates
    std::vector<YearRow> years;
    int paymentsPerYear = 12;
    double monthlyRate = 0;
    double periodicRate = 0;
    double monthlyPayment = 0;
    double payment = 0;     // the periodic payment
    float yearsToFinal = 0; // final payment number / payments per year
    Currency totalPaid;
    Currency interestSavings; // shown as 0 below 10
    std::vector<AppliedExtraPayment> applied;
    int scheduleYears = 0; // annual view: whole years to the final payment; else payments
    std::string graphTitle;

    // The rows the schedule shows in `view`: years or payments.
    int rowsShown(ScheduleView view) const {
        return static_cast<int>(view == ScheduleView::AnnualTotals ? years.size()
                                                                   : payments.size());
    }
};

// Message 5 (term over 40 years in a mortgage) or message 3 (any arithmetic fault,
// missing or unusable entry) on failure.
Result<Amortization> amortize(const AmortizationInput& input);
