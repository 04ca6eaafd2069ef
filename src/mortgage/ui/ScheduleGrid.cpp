#include "ScheduleGrid.h"

std::vector<QString> scheduleGridCellTexts(const Amortization& result,
                                           const ScheduleGridOptions& options) {
    const std::vector<std::string> cells = scheduleGridCells(result, options);
    std::vector<QString> out;
    out.reserve(cells.size());
    for (const std::string& cell : cells)
        out.push_back(QString::fromStdString(cell));
    return out;
}
