// "&Open File", "&Save File" and "To &Printer": the budget to and from a .Bgt file, and
// the budget statement.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "BudgetFile.h"
#include "BudgetPeriods.h"
#include "BudgetRefresh.h"
#include "BudgetStatement.h"
#include "BudgetWindow.h"
#include "BusyCursor.h"
#include "Dialogs.h"
#include "Messages.h"
#include "PrintJob.h"
#include "ShellState.h"
#include "Workspace.h"

#include <QComboBox>

namespace {
constexpr int OpenBudget = 1;
constexpr int SaveBudget = 2;
constexpr int Cancelled = 9;

// A name without a folder is looked up in the program's folder.
QString resolve(const ShellState& state, const std::string& name) {
    const QString file = QString::fromStdString(name);
    if (QFileInfo(file).isAbsolute() || state.ProgramFolder.empty())
        return file;
    return QDir(QString::fromStdString(state.ProgramFolder)).filePath(file);
}

std::string bareName(const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).fileName().toStdString();
}
} // namespace

std::optional<std::string> BudgetWindow::chooseFile(int mode) {
    state_.FileDialogMode = static_cast<std::int16_t>(mode);
    state_.ChosenFileName = state_.CurrentFileName;
    workspace_.dialogs().fileDirectory();
    std::optional<std::string> chosen;
    if (state_.FileDialogMode != Cancelled && !state_.ChosenFileName.empty())
        chosen = state_.ChosenFileName;
    state_.FileDialogMode = 0;
    state_.ChosenFileName.clear();
    return chosen;
}

void BudgetWindow::onSaveClicked() {
    if (tables_.empty()) {
        workspace_.dialogs().showMessage(msg::NoRecordsToSave);
        return;
    }
    const auto chosen = chooseFile(SaveBudget);
    if (!chosen)
        return; // nothing written: the budget still counts as changed
    if (saveTo(*chosen)) {
        state_.CurrentFileName = bareName(*chosen);
        tables_.BudgetChanged = 0;
    } else {
        workspace_.dialogs().showMessage(msg::BadBudgetFileName);
    }
}

bool BudgetWindow::saveTo(const std::string& fileName) {
    BusyCursor busy;
    const std::string text = writeBudgetFile(tables_);
    // Written beside the target and renamed over it, so a failed save leaves the old file.
    QSaveFile file(resolve(state_, fileName));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(text.data(), static_cast<qint64>(text.size())) !=
        static_cast<qint64>(text.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void BudgetWindow::onOpenClicked() {
    // Opening never asks about unsaved changes: the budget in memory is replaced as soon as
    // a file has been chosen.
    if (const auto chosen = chooseFile(OpenBudget)) {
        if (openFrom(*chosen))
            state_.CurrentFileName = bareName(*chosen);
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
    QFile file(resolve(state_, fileName));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    file.close();
    BudgetFileRead read =
        readBudgetFile(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
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
    in.currencySymbol = state_.CurrencySymbol;
    in.fontChoice = state_.PrinterFontChoice;
    in.seps = seps_;
    runPrintout(state_, workspace_.dialogs(), workspace_.printers(), [&](Printer& printer) {
        in.header = state_.HeaderText;
        printBudgetStatement(printer, in, state_.LinesPerPage);
    });
}
