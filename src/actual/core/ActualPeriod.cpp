#include "ActualPeriod.h"

#include <algorithm>
#include <charconv>
#include <numeric>
#include <stdexcept>

#include "BudgetRefresh.h"
#include "Dates.h"
#include "Messages.h"

std::optional<ActualPeriod> periodFrom(std::string_view name, int start) {
    const BudgetPeriod* period = periodByName(name);
    if (!period)
        return std::nullopt;
    ActualPeriod p{period, start, start};
    switch (period->factor) {
    case 52:
        p.last = start + 6;
        break;
    case 26:
        p.last = start + 13;
        break;
    case 24: {
        int y, m, d;
        dateParts(start, y, m, d);
        p.first = dateSerial(y, m, d <= 15 ? 1 : 16);
        p.last = d <= 15 ? dateSerial(y, m, 15) : addMonths(dateSerial(y, m, 1), 1) - 1;
        break;
    }
    default:
        p.last = addMonths(start, 12 / period->factor) - 1;
    }
    return p;
}

ActualPeriod latestMonth(const std::vector<BankTransaction>& transactions, int today) {
    int latest = today;
    if (!transactions.empty())
        latest = std::max_element(transactions.begin(), transactions.end(),
                                  [](const auto& a, const auto& b) { return a.date < b.date; })
                     ->date;
    int y, m, d;
    dateParts(latest, y, m, d);
    return *periodFrom("Monthly", dateSerial(y, m, 1));
}

Currency periodBudgeted(Currency yearly, int factor) {
    // The budget's own figure, read back from its text: one conversion, one rounding.
    const std::string shown = periodFigure(yearly, factor, NumberSeparators{".", ""});
    const bool negative = shown.find('-') != std::string::npos;
    std::int64_t cents = 0;
    for (char c : shown)
        if (c >= '0' && c <= '9')
            cents = cents * 10 + (c - '0');
    return Currency::fromRaw((negative ? -cents : cents) * (Currency::Scale / 100));
}

std::optional<Currency> percentOf(Currency actual, Currency budgeted) {
    if (budgeted.isZero())
        return std::nullopt;
    // Hundredths of a per cent: actual x 10,000 / budgeted, half away from zero.
    const __int128 num = static_cast<__int128>(actual.raw()) * 10000 * 2;
    __int128 q = num / budgeted.raw();
    q = q >= 0 ? (q + 1) / 2 : (q - 1) / 2;
    const __int128 limit = INT64_MAX / (Currency::Scale / 100);
    if (q > limit || q < -limit)
        return std::nullopt;
    return Currency::fromRaw(static_cast<std::int64_t>(q) * (Currency::Scale / 100));
}

std::vector<int> transactionOrder(const std::vector<BankTransaction>& transactions,
                                  const ActualPeriod* period) {
    std::vector<int> order;
    order.reserve(transactions.size());
    for (std::size_t i = 0; i < transactions.size(); ++i) {
        const int date = transactions[i].date;
        if (!period || (date >= period->first && date <= period->last))
            order.push_back(static_cast<int>(i));
    }
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return transactions[static_cast<std::size_t>(a)].date <
               transactions[static_cast<std::size_t>(b)].date;
    });
    return order;
}

namespace {

ActualTotals totalsOf(const std::vector<ActualLine>& lines, Currency yearlyBudgeted, int factor) {
    ActualTotals t;
    // Divided once, as the budget divides its totals.
    t.budgeted = periodBudgeted(yearlyBudgeted, factor);
    for (const ActualLine& line : lines)
        t.actual = t.actual.add(line.actual);
    t.difference = t.actual.sub(t.budgeted);
    t.percent = percentOf(t.actual, t.budgeted);
    return t;
}

} // namespace

Result<ActualResult> compareActuals(const Actuals& actuals, const BudgetTables& budget,
                                    const ActualPeriod& period) {
    const int factor = period.period->factor;
    ActualResult r;
    r.period = period;
    r.matches = matchAll(actuals.transactions, actuals.rules, budget);
    try {
        std::vector<Currency> incomeActual(static_cast<std::size_t>(budget.IncomeCount) + 1);
        std::vector<Currency> expenseActual(static_cast<std::size_t>(budget.ExpenseCount) + 1);
        for (const int i : transactionOrder(actuals.transactions, &period)) {
            const BankTransaction& t = actuals.transactions[static_cast<std::size_t>(i)];
            const auto& match = r.matches[static_cast<std::size_t>(i)];
            const bool income = sideOf(t) == RecordSide::Income;
            if (!match) {
                r.unmatched.push_back(i);
                if (income)
                    r.unmatchedIncome = r.unmatchedIncome.add(t.amount);
                else
                    r.unmatchedExpenses = r.unmatchedExpenses.sub(t.amount);
                continue;
            }
            auto& sums = income ? incomeActual : expenseActual;
            Currency& sum = sums[static_cast<std::size_t>(match->number)];
            sum = income ? sum.add(t.amount) : sum.sub(t.amount);
        }
        for (const RecordSide side : {RecordSide::Income, RecordSide::Expense}) {
            const bool income = side == RecordSide::Income;
            auto& lines = income ? r.income : r.expense;
            const auto& sums = income ? incomeActual : expenseActual;
            const BudgetList& records = budget.records(side);
            Currency yearly;
            for (int n = 1; n <= budget.count(side) && n <= MaxBudgetRecords; ++n) {
                const BudgetRecord& rec = records[static_cast<std::size_t>(n)];
                ActualLine line;
                line.record = RecordRef{side, n};
                line.description = rec.Description;
                line.budgeted = periodBudgeted(rec.AnnualBudgeted, factor);
                line.actual = sums[static_cast<std::size_t>(n)];
                line.difference = line.actual.sub(line.budgeted);
                line.percent = percentOf(line.actual, line.budgeted);
                lines.push_back(std::move(line));
                yearly = yearly.add(rec.AnnualBudgeted);
            }
            (income ? r.incomeTotal : r.expenseTotal) = totalsOf(lines, yearly, factor);
        }
        r.netBudgeted = r.incomeTotal.budgeted.sub(r.expenseTotal.budgeted);
        r.netActual = r.incomeTotal.actual.sub(r.expenseTotal.actual);
    } catch (const std::overflow_error&) {
        return Failure{msg::CannotCalculate, "a sum of the period does not fit"};
    }
    return r;
}
