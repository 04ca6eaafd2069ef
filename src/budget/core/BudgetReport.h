#pragma once
// The budget statement without the worksheet: a budget file read, sorted once from file
// order by the chosen order, and printed for the chosen period, as text, CSV or on any
// Printer (pecunex-report budget).
#include <memory>
#include <string>
#include <string_view>

#include "BudgetPeriods.h"
#include "BudgetRefresh.h"
#include "ReportFrame.h"
#include "Result.h"

class Printer;

struct BudgetReportOptions : ReportSettings {
    std::string period = "Annual";    // a "Show for period" entry without its leading blanks
    std::string sort = "Names A - Z"; // a "Sorted by" entry without its leading blanks
};

// What the options name; an empty text when both are list entries, else the reason.
std::string budgetOptionsProblem(const BudgetReportOptions& options);

struct BudgetReport {
    BudgetTables tables;
    BudgetFigures figures;
    const BudgetPeriod* period = nullptr;
};

// Reads, sorts and sums. Fails with message 13 (a file the reader refuses), 1 (no records
// in either list) or 26 (a sum that does not fit); the options must be valid.
Result<std::unique_ptr<BudgetReport>> prepareBudgetReport(std::string_view fileText,
                                                          const BudgetReportOptions& options);

// The whole printout: set-up, statement, end of document.
void printBudgetReport(Printer& printer, const BudgetReport& report,
                       const BudgetReportOptions& options);
// The printout as the text the printer receives.
std::string budgetReportText(const BudgetReport& report, const BudgetReportOptions& options);
