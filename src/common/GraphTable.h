#pragma once
// The graph hand-over table: one point per year, filled by the worksheet that opens the
// graph window and read by the graph window.
#include <cstdint>
#include <string>
#include <vector>

#include "Currency.h"

// The worksheet that handed the figures over (GraphSource): the savings goal's bars get its
// target line across them, a comparison hands over several series (GraphGroups).
enum class GraphFrom : std::int16_t {
    None = 0,
    Savings = 1,
    Goal = 2,
    Mortgage = 4,
    Compare = 6,
    Actual = 7,
    History = 8
};

// One row of the graph hand-over: the year it stands for and its value.
struct GraphPoint {
    int year = 0;
    Currency value;
    friend bool operator==(const GraphPoint&, const GraphPoint&) = default;
};
// Element 0 is row 1, the first year.
using GraphTable = std::vector<GraphPoint>;

// A series of the hand-over with the name its legend shows, for graphs that set several
// side by side ("Plan A", "Plan B").
struct NamedGraphTable {
    std::string name;
    GraphTable points;
};
