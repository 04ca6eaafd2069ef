#pragma once
// A period of the budget (a week, two weeks, half a month, a month, a quarter, half a year,
// a year) from a start date, and the budget held against the transactions dated in it.
#include <optional>
#include <string>
#include <vector>

#include "Actuals.h"
#include "BudgetPeriods.h"
#include "Result.h"

struct ActualPeriod {
    const BudgetPeriod* period = nullptr;
    int first = 0; // day numbers, both inside the period
    int last = 0;
};

// The period named as the budget names it ("Monthly", "2 Weeks") from `start`. Half a month
// is the 1st to the 15th or the 16th to the month's end, the half holding `start`.
std::optional<ActualPeriod> periodFrom(std::string_view name, int start);
// The default period: the month of the latest transaction, from its first day; the current
// month of `today` when there are none.
ActualPeriod latestMonth(const std::vector<BankTransaction>& transactions, int today);

// One record's line: the period's budgeted figure as the budget shows it, the money received
// (income) or spent (expense) by its transactions dated in the period.
struct ActualLine {
    RecordRef record;
    std::string description;
    Currency budgeted;
    Currency actual;
    Currency difference;             // actual - budgeted
    std::optional<Currency> percent; // actual / budgeted x 100 to the hundredth; none for 0
};

struct ActualTotals {
    Currency budgeted, actual, difference;
    std::optional<Currency> percent;
};

struct ActualResult {
    ActualPeriod period;
    std::vector<ActualLine> income, expense;
    ActualTotals incomeTotal, expenseTotal;
    Currency netBudgeted, netActual;
    Currency unmatchedIncome, unmatchedExpenses; // expenses as money spent
    std::vector<int> unmatched; // indexes of the period's unmatched transactions, date order
    std::vector<std::optional<RecordRef>> matches; // every transaction's record
};

// The whole comparison for a period. Fails with message 26 when a sum does not fit.
Result<ActualResult> compareActuals(const Actuals& actuals, const BudgetTables& budget,
                                    const ActualPeriod& period);

// The period's figure of a yearly budget amount, exactly as the budget worksheet shows it.
Currency periodBudgeted(Currency yearly, int factor);

// actual / budgeted x 100, rounded half away from zero to the hundredth; none when budgeted is 0.
std::optional<Currency> percentOf(Currency actual, Currency budgeted);

// The indexes of the transactions in date order, then file order; only those dated in
// `period` when one is given.
std::vector<int> transactionOrder(const std::vector<BankTransaction>& transactions,
                                  const ActualPeriod* period = nullptr);
