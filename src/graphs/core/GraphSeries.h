#pragma once
// The figures a graph draws: one point per year, handed over by the worksheet that opens
// the graph window, and the chart data read from them.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Currency.h"
#include "GraphTable.h"

// Bars a year-by-year graph holds at most.
constexpr int MaxGraphRows = 45;

inline constexpr std::string_view SavingsGraphTitle = "Investment value at end of each Year";
inline constexpr std::string_view GoalGraphTitle = "Value at end of each Year and the target";

// The values after every period that ends a year: periods n, 2n, 3n, ... of a plan with
// n periods a year. `periodValues[0]` is the value after period 1.
std::vector<Currency> yearEndValues(std::span<const Currency> periodValues, int periodsPerYear);

// Savings: row y holds year y and the value at the end of year y.
GraphTable savingsSeries(std::span<const Currency> yearEnds);
// The savings graph: a bar for each year-end value, under the savings title.
WorksheetGraph savingsGraph(std::span<const Currency> yearEnds);
// The savings goal's graph: its solved plan's year-end values, as for savings, with the
// goal's title and its target.
WorksheetGraph goalGraph(std::span<const Currency> yearEnds, Currency target);

// One series of a chart that sets several side by side: its legend text and a value per label.
struct ChartSeries {
    std::string name;
    std::vector<double> values;
};

// What the chart shows.
struct ChartData {
    std::string title;
    std::vector<std::string> labels; // one per bar, the year
    std::vector<double> values;      // one per bar
    std::optional<double> target;    // a line across the bars at this value
    std::string currencySymbol;
    // Several series: one bar of each per label, grouped, with a legend; `values` unused.
    std::vector<ChartSeries> series;
};

// Every value the value axis must cover: the bars and the target line.
std::vector<double> axisValues(const ChartData& data);

// Reads `scheduleYears` points from the table (two when it is 1, as a bar chart needs two
// points). Points beyond the rows filled show their number and 0.
ChartData chartData(const GraphTable& table, int scheduleYears, std::string title,
                    std::string currencySymbol);

// Several series side by side: `years` labels 1..years (two when it is 1, as for one
// series); a series shorter than that shows 0 where it has no point.
ChartData groupedChartData(const std::vector<NamedGraphTable>& groups, int years, std::string title,
                           std::string currencySymbol);

// What a requested graph shows: its series, or its groups when it has any (with their own
// labels when there is one for each bar).
ChartData chartData(const WorksheetGraph& request, std::string currencySymbol);

// The figures the value axis of a grouped chart must cover, one per label: its largest
// value, and the smallest of all in a label of its own (a second label) when it is below 0.
std::vector<double> groupEnvelope(const ChartData& data);
