#pragma once
// The mortgage / loan schedule printout.
#include <functional>
#include <string>

#include "Amortization.h"
#include "ReportFrame.h"

class Printer;

struct ScheduleReportInput : ReportSettings {
    const AmortizationInput* input = nullptr;
    const Amortization* result = nullptr;
    std::function<std::string(int)> formatDate; // day number -> short date text
};

// Prints everything after the printer set-up (the header line first) up to, not including,
// the end of the document. `linesPerPage` is what the set-up returned.
void printScheduleReport(Printer& printer, const ScheduleReportInput& in, int linesPerPage);

// The schedule as CSV: a header line naming the columns (payment or year, with dates on a
// date column, then interest, principal, balance, cumulative interest and principal), one
// line per schedule row, figures with a period and two decimals, lines ending in CR LF.
std::string scheduleCsv(const AmortizationInput& input, const Amortization& result);
