#pragma once
// The net worth statement printout (assets on the left, liabilities on the right, totals
// under each list, the net worth last), its CSV form, and the batch report of a file.
#include <string>
#include <string_view>

#include "NetWorthTables.h"
#include "NumberFormat.h"
#include "Result.h"

class Printer;

struct NetWorthPrintout {
    std::string header; // the one-line header typed by the user
    std::string currencySymbol = "$";
    NumberSeparators seps;
};

// Prints everything after the printer set-up up to, not including, the end of the
// document. The statement fits on one page: no page breaks, no footer.
void printNetWorthStatement(Printer& printer, const NetWorthTables& tables,
                            const NetWorthPrintout& out);

// One line per counted line, assets first: side,line,name,amount (RFC 4180, CR LF), the
// amount with a period and two decimals, empty for the empty amount.
std::string netWorthCsv(const NetWorthTables& tables);

// The batch report's statement: the file read and calculated as "Open File" does.
// Fails with message 13 (a file the worksheet would refuse) or 26 (an amount too large).
Result<NetWorthTables> netWorthStatementFromFile(std::string_view fileText);

// The whole printed document as the batch report makes it: set-up for `fontChoice`, the
// statement, end of document.
void printNetWorthDocument(Printer& printer, const NetWorthTables& tables,
                           const NetWorthPrintout& out, int fontChoice);
