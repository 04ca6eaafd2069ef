#pragma once
// The cell texts of the worksheet's schedule grid: one row per schedule row, the
// "Total:" row, and the additional payments applied, four rows below the schedule.
#include <QString>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "Amortization.h"
#include "NumberFormat.h"

struct ScheduleGridOptions {
    int scheduleView = 2;           // 2 all payments, 1 annual totals
    int dateView = 0;               // 1 dates
    int extraPaymentsInUse = 0;
    std::string currencySymbol = "$";
    NumberSeparators seps;
    std::function<std::string(int)> formatDate;  // day number -> short date
};

// 0: payment number and year; 1: annual totals; 2: payment dates.
int scheduleFirstColumnView(const ScheduleGridOptions& options);
std::array<std::string, 6> scheduleGridHeadings(int firstColumnView);

// Body rows of the six-column grid: the schedule, "Total:", and the applied payments' block.
int scheduleGridRows(const Amortization& result, const ScheduleGridOptions& options);
// The text of body row `row` (from 1), column `col` (0-5); "" outside the body.
QString scheduleGridCell(const Amortization& result, const ScheduleGridOptions& options, int row, int col);
