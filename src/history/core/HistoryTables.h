#pragma once
// The net worth history worksheet's own tables: the history while the worksheet is open, the
// view the grid shows and whether the history changed since it was last saved or opened. The
// application owns one instance; the worksheet resets it (`tables = {}`) when it is left.
#include <cstdint>

#include "History.h"

struct HistoryTables {
    History HistoryData;
    std::int16_t HistoryView = 0;    // 0 the summary, 1 the lines
    std::int16_t HistoryGrouped = 0; // 1: the graph sets assets beside liabilities
    std::int16_t HistoryChanged = 0; // 1: not saved since the last change
};
