#include "GraphHandOver.h"

#include <vector>

#include "Dialogs.h"
#include "GraphSeries.h"
#include "Messages.h"
#include "ShellState.h"
#include "Workspace.h"

void setSavingsGraph(ShellState& state, std::span<const Currency> yearEnds) {
    state.GraphSeries = savingsSeries(yearEnds);
    state.ScheduleYears = static_cast<std::int16_t>(state.GraphSeries.size());
    state.GraphTitle = std::string(SavingsGraphTitle);
}

void setSavingsGraph(ShellState& state, std::span<const double> yearEnds) {
    std::vector<Currency> values;
    for (double v : yearEnds)
        values.push_back(Currency::fromDouble(v).value_or(Currency{}));
    setSavingsGraph(state, values);
}

void setGoalGraph(ShellState& state, std::span<const Currency> yearEnds, Currency target) {
    setSavingsGraph(state, yearEnds);
    state.GraphTitle = std::string(GoalGraphTitle);
    state.GraphTarget = target;
}

bool showGraphFrom(Workspace& workspace, GraphFrom source) {
    ShellState& state = workspace.state();
    if (state.ScheduleYears == 0) {
        workspace.dialogs().showMessage(msg::NoDataToGraph);
        return false;
    }
    state.GraphSource = source;
    workspace.showGraph();
    return true;
}
