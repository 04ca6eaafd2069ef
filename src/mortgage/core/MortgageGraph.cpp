#include "MortgageGraph.h"

#include <algorithm>

#include "Amortization.h"

GraphTable mortgageSeries(const Amortization& schedule, bool annualView, Currency principal) {
    GraphTable table{{1, principal}};
    const int last = std::min(schedule.last, static_cast<int>(schedule.rows.size()) - 1);
    const int perYear = annualView ? 1 : std::max(schedule.paymentsPerYear, 1);
    // The last row of each year, or the final payment when the last year is short.
    for (int end = perYear;; end += perYear) {
        const int row = std::min(end, last);
        if (row < 1 || static_cast<int>(table.size()) >= MaxGraphRows)
            break;
        const int year = static_cast<int>(table.size()) + 1;
        table.push_back({year, schedule.rows[static_cast<std::size_t>(row)].balance});
        if (row == last)
            break;
    }
    return table;
}

int mortgageScheduleYears(const GraphTable& table) {
    return std::max(static_cast<int>(table.size()) - 1, 0);
}

ChartData mortgageChart(const Amortization& schedule, bool annualView, Currency principal,
                        std::string currencySymbol) {
    const GraphTable table = mortgageSeries(schedule, annualView, principal);
    return chartData(table, mortgageScheduleYears(table), schedule.graphTitle,
                     std::move(currencySymbol));
}
