#pragma once
// What the worksheets hand to the graph window, through the shared state.
#include <span>

#include "Currency.h"
#include "GraphTable.h"

class Workspace;
struct ShellState;

// After a savings calculation: the value at the end of each year 1..Y becomes the series,
// ScheduleYears becomes Y and GraphTitle the savings title.
void setSavingsGraph(ShellState& state, std::span<const Currency> yearEnds);
void setSavingsGraph(ShellState& state, std::span<const double> yearEnds);
// After a savings goal is solved: the solved plan's year-end values, as for savings, with
// the goal's title and its target.
void setGoalGraph(ShellState& state, std::span<const Currency> yearEnds, Currency target);

// "Show Graph" of the worksheet `source`: with nothing
// calculated, the message "No data to graph. Calculate."; otherwise sets GraphSource and
// opens the graph window in the worksheet's place. True when it opened.
bool showGraphFrom(Workspace& workspace, GraphFrom source);
