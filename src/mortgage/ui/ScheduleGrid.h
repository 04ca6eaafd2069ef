#pragma once
// The schedule grid's cell texts (made by the core) as the grid takes them.
#include <QString>
#include <vector>

#include "ScheduleTexts.h"

std::vector<QString> scheduleGridCellTexts(const Amortization& result,
                                           const ScheduleGridOptions& options);
