#include "LoanSchedule.h"

#include <algorithm>

std::vector<YearRow> yearlyTotals(const std::vector<PaymentRow>& rows, int paymentsPerYear,
                                  Currency principal) {
    const std::size_t perYear = static_cast<std::size_t>(std::max(paymentsPerYear, 1));
    std::vector<YearRow> years;
    Currency start = principal;
    bool paidOff = false;
    for (std::size_t first = 0; first < rows.size() && !paidOff; first += perYear) {
        YearRow year;
        year.year = static_cast<int>(years.size()) + 1;
        year.startBalance = start;
        const PaymentRow* latest = nullptr;
        for (std::size_t i = first; i < std::min(first + perYear, rows.size()); ++i) {
            latest = &rows[i];
            year.payments = year.payments.add(latest->payment).add(latest->extra);
            year.interest = year.interest.add(latest->interest);
            year.principal = year.principal.add(latest->principal).add(latest->extra);
            year.exactInterest += latest->exactInterest;
            if (latest->balance <= Currency{}) {
                paidOff = true;
                break;
            }
        }
        year.balance = start = latest->balance;
        year.cumInterest = latest->cumInterest;
        year.cumPrincipal = latest->cumPrincipal;
        years.push_back(year);
    }
    return years;
}

std::vector<Currency> balancesByYear(const std::vector<YearRow>& years) {
    std::vector<Currency> balances;
    for (const YearRow& year : years)
        balances.push_back(year.startBalance);
    if (!years.empty())
        balances.push_back(years.back().balance);
    return balances;
}
