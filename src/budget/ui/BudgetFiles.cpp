// "&Open File", "&Save File" and "To &Printer": the budget to and from a .Bgt file, and
// the budget statement.

#include "BudgetFile.h"
#include "BudgetPeriods.h"
#include "BudgetRefresh.h"
#include "BudgetStatement.h"
#include "BudgetWindow.h"
#include "BusyCursor.h"
#include "Dialogs.h"
#include "FileCommands.h"
#include "Messages.h"
#include "ShellState.h"
#include "Workspace.h"

#include <QComboBox>

std::optional<std::string> BudgetWindow::chooseFile(filemode::Mode mode) {
    return ::chooseFile(workspace_.dialogs(), mode, state_.CurrentFileName);
}

void BudgetWindow::onSaveClicked() {
    if (tables_.empty()) {
        workspace_.dialogs().showMessage(msg::NoRecordsToSave);
        return;
    }
    const auto chosen = chooseFile(filemode::SaveBudget);
    if (!chosen)
        return; // nothing written: the budget still counts as changed
    if (saveTo(*chosen)) {
        state_.CurrentFileName = bareFileName(*chosen);
        tables_.BudgetChanged = 0;
    } else {
        workspace_.dialogs().showMessage(msg::BadBudgetFileName);
    }
}

bool BudgetWindow::saveTo(const std::string& fileName) {
    BusyCursor busy;
    const std::string text = writeBudgetFile(tables_);
    return saveWholeFile(state_.ProgramFolder, fileName, text);
}

void BudgetWindow::onOpenClicked() {
    // Opening never asks about unsaved changes: the budget in memory is replaced as soon as
    // a file has been chosen.
    if (const auto chosen = chooseFile(filemode::OpenBudget)) {
        if (openFrom(*chosen))
            state_.CurrentFileName = bareFileName(*chosen);
        else
            workspace_.dialogs().showMessage(msg::FileNotFound);
    }
    refreshBudget();
}

bool BudgetWindow::openFrom(const std::string& fileName) {
    BusyCursor busy;
    // The tables are made anew as soon as a file has been chosen.
    tables_.IncomeRecords = {};
    tables_.ExpenseRecords = {};
    tables_.IncomeCount = 0;
    tables_.ExpenseCount = 0;
    const std::optional<std::string> text = readWholeFile(state_.ProgramFolder, fileName);
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

void BudgetWindow::onPrinterClicked() {
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
