#include "BudgetReport.h"

#include "BudgetFile.h"
#include "BudgetSort.h"
#include "BudgetStatement.h"
#include "Messages.h"
#include "TextPrinter.h"

std::string budgetOptionsProblem(const BudgetReportOptions& options) {
    if (!periodByName(options.period))
        return "--period takes Weekly, 2 Weeks, Semi-monthly, Monthly, Quarterly, Semi-annual or "
               "Annual";
    if (!sortOrderByName(options.sort))
        return "--sort takes Names A - Z, Names Z - A, Amounts Hi-Lo or Amounts Lo-Hi";
    return {};
}

Result<std::unique_ptr<BudgetReport>> prepareBudgetReport(std::string_view fileText,
                                                          const BudgetReportOptions& options) {
    const BudgetPeriod* period = periodByName(options.period);
    const auto sortOrder = sortOrderByName(options.sort);
    if (!period || !sortOrder)
        return Failure{0, "unknown period or sort order"};

    auto report = std::make_unique<BudgetReport>();
    BudgetFileRead read = readBudgetFile(fileText);
    if (read.error)
        return *read.error;
    report->tables = std::move(read.tables);
    BudgetTables& t = report->tables;
    if (t.empty())
        return Failure{msg::NoDataToPrint, "no records"};
    t.SortOrder = static_cast<std::int16_t>(*sortOrder);
    SortIncomeRecords(t);
    SortExpenseRecords(t);
    auto figures = budgetFigures(t);
    if (!figures)
        return figures.failure();
    report->figures = *figures;
    report->period = period;
    return report;
}

void printBudgetReport(Printer& printer, const BudgetReport& report,
                       const BudgetReportOptions& options) {
    BudgetStatementInput in;
    in.tables = &report.tables;
    in.figures = &report.figures;
    in.period = report.period;
    static_cast<ReportSettings&>(in) = options;
    printDocument(printer, options.fontChoice,
                  [&](int lines) { printBudgetStatement(printer, in, lines); });
}

std::string budgetReportText(const BudgetReport& report, const BudgetReportOptions& options) {
    TextPrinter printer;
    printBudgetReport(printer, report, options);
    return printer.text();
}
