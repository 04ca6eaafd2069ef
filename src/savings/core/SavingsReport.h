#pragma once
// The savings printout and the growth table as CSV.
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "Growth.h"
#include "ReportFrame.h"

class Printer;

struct SavingsReportInput : ReportSettings {
    const GrowthInput* input = nullptr; // the entries the table was calculated from
    std::span<const GrowthRow> table;   // rows 0.. of the growth table
    int periods = 0;                    // N
    // A printout built on this one gives its own title, and lines of its own printed before
    // the entries in their form: a label and its figure (no figure: the label alone).
    std::string title = "Investment Growth Calculation";
    std::vector<std::pair<std::string, std::string>> leadEntries;
};

// Everything after the printer set-up (the header line first) up to, not including, the
// end of the document. `linesPerPage` is what the set-up returned.
void printSavingsReport(Printer& printer, const SavingsReportInput& in, int linesPerPage);

// The whole document: set-up, the report, end of document.
void printSavingsDocument(Printer& printer, const SavingsReportInput& in);

// `period,invested,interest,value`, then one line per period row 1..N: figures with a
// period and two decimals, no thousands separators; lines end in CR LF.
std::string savingsCsv(std::span<const GrowthRow> table, int periods);
