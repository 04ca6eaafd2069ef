// "&Open File", "&Save File" and "To &Printer": the budget to and from a .Bgt file, and
// the budget statement.

#include "BudgetFile.h"
#include "BudgetPeriods.h"
#include "BudgetRefresh.h"
#include "BudgetStatement.h"
#include "BudgetWindow.h"
#include "Dialogs.h"
#include "Messages.h"
#include "ShellState.h"
#include "Workspace.h"

#include <QComboBox>

void BudgetWindow::saveFile() {
    if (tables_.empty()) {
        workspace_.dialogs().showMessage(msg::NoRecordsToSave);
        return;
    }
    // Not written: the budget still counts as changed.
    if (file_.save([this] { return writeBudgetFile(tables_); }))
        tables_.BudgetChanged = 0;
}

void BudgetWindow::openFile() {
    // Opening never asks about unsaved changes: the budget in memory is replaced as soon as
    // a file has been chosen.
    file_.open([this](const std::optional<std::string>& bytes) { return openFrom(bytes); });
    refreshBudget();
}

bool BudgetWindow::openFrom(const std::optional<std::string>& text) {
    // The tables are made anew as soon as a file has been chosen.
    tables_.IncomeRecords = {};
    tables_.ExpenseRecords = {};
    tables_.IncomeCount = 0;
    tables_.ExpenseCount = 0;
    if (!text)
        return false;
    BudgetFileRead read = readBudgetFile(*text);
    // A damaged file keeps what was read before the fault.
    tables_.IncomeRecords = std::move(read.tables.IncomeRecords);
    tables_.ExpenseRecords = std::move(read.tables.ExpenseRecords);
    tables_.IncomeCount = read.tables.IncomeCount;
    tables_.ExpenseCount = read.tables.ExpenseCount;
    return !read.error;
}

void BudgetWindow::printReport() {
    if (tables_.empty()) {
        workspace_.dialogs().showMessage(msg::NoDataToPrint);
        return;
    }
    const auto figures = budgetFigures(tables_);
    if (!figures) {
        workspace_.dialogs().showMessage(figures.failure().code);
        return;
    }
    const BudgetPeriod* period = findPeriod(FreqPeriod->currentText().toStdString());
    BudgetStatementInput in;
    in.tables = &tables_;
    in.figures = &figures.value();
    in.period = period ? period : &BudgetPeriods.back();
    print([&](Printer& printer) {
        static_cast<ReportSettings&>(in) = reportSettings();
        printBudgetStatement(printer, in, state_.LinesPerPage);
    });
}
