#pragma once
// The goal printout (the answer, then the solved plan as the savings printout shows it)
// and the answer as CSV.
#include <string>

#include "GoalSolver.h"
#include "ReportFrame.h"

class Printer;

struct GoalReportInput : ReportSettings {
    const GoalInput* goal = nullptr;
    const GoalAnswer* answer = nullptr;
};

// Everything after the printer set-up, the header line first. `linesPerPage` is what the
// set-up returned.
void printGoalReport(Printer& printer, const GoalReportInput& in, int linesPerPage);

// The whole document: set-up, the report, end of document.
void printGoalDocument(Printer& printer, const GoalReportInput& in);

// `solve,answer,value,value_today` and one line: the unknown's --solve name, the answer
// (two decimals; whole years as a whole number), the last year's value without inflation
// and in today's money. Lines end in CR LF.
std::string goalCsv(const GoalAnswer& answer);
