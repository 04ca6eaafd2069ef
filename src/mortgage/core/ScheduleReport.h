#pragma once
// The mortgage / loan schedule printout.
#include <functional>
#include <string>

#include "Amortization.h"
#include "NumberFormat.h"

class Printer;

struct ScheduleReportInput {
    const AmortizationInput* input = nullptr;
    const Amortization* result = nullptr;
    std::string header;                       // the one-line header typed by the user
    std::string currencySymbol = "$";
    int fontChoice = 0;                       // for the set-up after each page break
    NumberSeparators seps;
    std::function<std::string(int)> formatDate; // day number -> short date text
};

// Prints everything after the printer set-up (the header line first) up to, not including,
// the end of the document. `linesPerPage` is what the set-up returned.
void printScheduleReport(Printer& printer, const ScheduleReportInput& in, int linesPerPage);
