#pragma once
// What a worksheet asks the graph window to draw: one point per year, or several series side
// by side, with a title. The worksheet builds it from its own result; the graph window keeps
// its own copy.
#include <optional>
#include <string>
#include <vector>

#include "Currency.h"

// One bar of a graph: the year it stands for and its value.
struct GraphPoint {
    int year = 0;
    Currency value;
    friend bool operator==(const GraphPoint&, const GraphPoint&) = default;
};
// Element 0 is row 1, the first year.
using GraphTable = std::vector<GraphPoint>;

// A series with the name its legend shows, for graphs that set several
// side by side ("Plan A", "Plan B").
struct NamedGraphTable {
    std::string name;
    GraphTable points;
};

// A graph as a worksheet requests it. `bars` is how many bars it shows (a series shorter than
// that shows 0 where it has no point); with none there is nothing to graph.
struct WorksheetGraph {
    std::string title{};
    int bars = 0;
    GraphTable series{}; // one series, a bar per year
    // Several series side by side (grouped bars and a legend), drawn instead of `series`.
    std::vector<NamedGraphTable> groups{};
    // The labels of grouped bars where they are not years (a budget's records).
    std::vector<std::string> labels{};
    std::optional<Currency> target{}; // a line across the bars (the savings goal's target)
};
