#pragma once
// The budget vs actual printout and its two CSVs.
#include <string>
#include <vector>

#include "ActualPeriod.h"
#include "ReportFrame.h"

class Printer;

struct ActualReportInput : ReportSettings {
    const ActualResult* result = nullptr;
    const Actuals* actuals = nullptr;
    const BudgetTables* budget = nullptr;
    std::string budgetName; // the budget file as the printout names it
};

// Everything after the printer set-up: the header, the period, income and expense records
// with their totals, the net, then the unmatched transactions with their totals.
void printActualReport(Printer& printer, const ActualReportInput& in, int linesPerPage);
void printActualDocument(Printer& printer, const ActualReportInput& in);

// `record,kind,budgeted,actual,difference,percent`: each record, income first, then the
// unmatched income and expenses as the records "(unmatched income)" and "(unmatched
// expenses)". CR LF line ends.
std::string actualCsv(const ActualResult& result);

// `date,amount,description,record` for the transactions at `order`; record empty when a
// transaction is unmatched.
std::string transactionsCsv(const Actuals& actuals, const BudgetTables& budget,
                            const std::vector<std::optional<RecordRef>>& matches,
                            const std::vector<int>& order);

// The description of the record a transaction went to; "" for none.
std::string recordDescription(const BudgetTables& budget, const std::optional<RecordRef>& record);
