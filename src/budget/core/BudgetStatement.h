#pragma once
// The budget statement printout: header, title, the income records and total, the expense
// records and total, and the two net balances, all for the chosen period.

#include "BudgetPeriods.h"
#include "BudgetRefresh.h"
#include "ReportFrame.h"

class Printer;

struct BudgetStatementInput : ReportSettings {
    const BudgetTables* tables = nullptr; // records in table order (as the last refresh left them)
    const BudgetFigures* figures = nullptr;
    const BudgetPeriod* period = nullptr;
};

// Prints everything after the printer set-up (the header line first) up to, not including,
// the end of the document. `linesPerPage` is what the set-up returned.
void printBudgetStatement(Printer& printer, const BudgetStatementInput& in, int linesPerPage);
