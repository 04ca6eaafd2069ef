#include "GraphSeries.h"

#include <algorithm>
#include <string>

std::vector<Currency> yearEndValues(std::span<const Currency> periodValues, int periodsPerYear) {
    std::vector<Currency> out;
    if (periodsPerYear < 1)
        return out;
    const auto n = static_cast<std::size_t>(periodsPerYear);
    for (std::size_t k = n; k <= periodValues.size(); k += n)
        out.push_back(periodValues[k - 1]);
    return out;
}

GraphTable savingsSeries(std::span<const Currency> yearEnds) {
    GraphTable table;
    const std::size_t rows = std::min(yearEnds.size(), static_cast<std::size_t>(MaxGraphRows));
    for (std::size_t y = 1; y <= rows; ++y)
        table.push_back({static_cast<int>(y), yearEnds[y - 1]});
    return table;
}

WorksheetGraph savingsGraph(std::span<const Currency> yearEnds) {
    WorksheetGraph request{.title = std::string(SavingsGraphTitle),
                           .series = savingsSeries(yearEnds)};
    request.bars = static_cast<int>(request.series.size());
    return request;
}

WorksheetGraph goalGraph(std::span<const Currency> yearEnds, Currency target) {
    WorksheetGraph request = savingsGraph(yearEnds);
    request.title = std::string(GoalGraphTitle);
    request.target = target;
    return request;
}

ChartData chartData(const WorksheetGraph& request, std::string currencySymbol) {
    if (!request.groups.empty()) {
        ChartData data = groupedChartData(request.groups, request.bars, request.title,
                                          std::move(currencySymbol));
        if (request.labels.size() == data.labels.size())
            data.labels = request.labels;
        return data;
    }
    ChartData data =
        chartData(request.series, request.bars, request.title, std::move(currencySymbol));
    if (request.target)
        data.target = request.target->toDouble();
    return data;
}

ChartData chartData(const GraphTable& table, int scheduleYears, std::string title,
                    std::string currencySymbol) {
    ChartData data;
    data.title = std::move(title);
    data.currencySymbol = std::move(currencySymbol);
    const int points = scheduleYears == 1 ? 2 : std::max(scheduleYears, 0);
    for (int j = 1; j <= points; ++j) {
        const bool filled = j <= static_cast<int>(table.size());
        const GraphPoint p = filled ? table[static_cast<std::size_t>(j - 1)] : GraphPoint{j, {}};
        data.labels.push_back(std::to_string(p.year));
        data.values.push_back(p.value.toDouble());
    }
    return data;
}

std::vector<double> axisValues(const ChartData& data) {
    std::vector<double> values = data.values;
    if (data.target)
        values.push_back(*data.target);
    return values;
}

ChartData groupedChartData(const std::vector<NamedGraphTable>& groups, int years, std::string title,
                           std::string currencySymbol) {
    ChartData data;
    data.title = std::move(title);
    data.currencySymbol = std::move(currencySymbol);
    const int points = years == 1 ? 2 : std::max(years, 0);
    for (int j = 1; j <= points; ++j)
        data.labels.push_back(std::to_string(j));
    for (const NamedGraphTable& group : groups) {
        ChartSeries series{group.name, std::vector<double>(data.labels.size(), 0.0)};
        const std::size_t filled = std::min(group.points.size(), series.values.size());
        for (std::size_t j = 0; j < filled; ++j)
            series.values[j] = group.points[j].value.toDouble();
        data.series.push_back(std::move(series));
    }
    return data;
}

std::vector<double> groupEnvelope(const ChartData& data) {
    std::vector<double> envelope(data.labels.size(), 0.0);
    double lowest = 0;
    std::size_t highestAt = 0;
    for (std::size_t j = 0; j < envelope.size(); ++j) {
        for (const ChartSeries& s : data.series)
            if (j < s.values.size()) {
                envelope[j] = std::max(envelope[j], s.values[j]);
                lowest = std::min(lowest, s.values[j]);
            }
        if (envelope[j] > envelope[highestAt])
            highestAt = j;
    }
    if (lowest < 0 && envelope.size() > 1)
        envelope[highestAt == 0 ? 1 : 0] = lowest;
    return envelope;
}
