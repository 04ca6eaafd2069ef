#pragma once
// The graph hand-over table: one point per year, filled by the worksheet that opens the
// graph window and read by the graph window.
#include <string>
#include <vector>

#include "Currency.h"

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
