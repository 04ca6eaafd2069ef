#include "MortgageGraph.h"

#include <algorithm>

#include "Amortization.h"

GraphTable mortgageSeries(const Amortization& schedule) {
    GraphTable table;
    for (const Currency balance : balancesByYear(schedule.years)) {
        if (static_cast<int>(table.size()) >= MaxGraphRows)
            break;
        table.push_back({static_cast<int>(table.size()) + 1, balance});
    }
    return table;
}

int mortgageScheduleYears(const GraphTable& table) {
    return std::max(static_cast<int>(table.size()) - 1, 0);
}

ChartData mortgageChart(const Amortization& schedule, std::string currencySymbol) {
    const GraphTable table = mortgageSeries(schedule);
    return chartData(table, mortgageScheduleYears(table), schedule.graphTitle,
                     std::move(currencySymbol));
}
