// The files of the budget vs actual worksheet: the budget chosen and written back, the bank
// exports imported, the actuals file saved and opened.
#include <filesystem>

#include "ActualFile.h"
#include "ActualTables.h"
#include "ActualWindow.h"
#include "BudgetFile.h"
#include "BusyCursor.h"
#include "Dialogs.h"
#include "DocumentFile.h"
#include "FileCommands.h"
#include "Messages.h"
#include "ShellState.h"
#include "Workspace.h"

namespace {

// The budget held against and a bank export: read beside the actuals, never named as the
// worksheet's own file.
const DocumentKind BudgetFile{
    .openMode = 43, .filter = "Budget Database (*.Bgt)|*.Bgt", .extension = "Bgt", .named = false};
const DocumentKind BankFile{.openMode = 45,
                            .filter = "Bank Export (*.ofx *.qfx *.qif *.csv)|*.ofx *.qfx *.qif "
                                      "*.csv *.OFX *.QFX *.QIF *.CSV",
                            .extension = "csv",
                            .named = false};

std::string fullName(const std::string& programFolder, const std::string& name) {
    const std::filesystem::path p(name);
    return p.has_parent_path() ? name : (std::filesystem::path(programFolder) / p).string();
}

} // namespace

bool ActualWindow::readBudget(const std::string& name) {
    auto read = readFile(name, readBudgetFile);
    if (!read || read->error) {
        workspace_.dialogs().showMessage(msg::FileNotFound);
        return false;
    }
    tables_.budget = std::move(read->tables);
    tables_.budgetFile = fullName(state_.ProgramFolder, name);
    return true;
}

bool ActualWindow::saveBudget() {
    bool saved = false;
    {
        BusyCursor busy;
        saved = saveWholeFile(state_.ProgramFolder, tables_.budgetFile,
                              writeBudgetFile(tables_.budget));
    }
    if (!saved)
        workspace_.dialogs().showMessage(msg::BadBudgetFileName);
    return saved;
}

void ActualWindow::onBudgetClicked() {
    const auto chosen = file_.choose(BudgetFile, false);
    if (!chosen || !readBudget(*chosen))
        return;
    tables_.ActualChanged = 1;
    refresh();
}

void ActualWindow::onImportClicked() {
    // Every export picked is read before any is added: one that cannot be read is its
    // message, and nothing of any of them is imported.
    const std::vector<std::string> chosen = file_.chooseSeveral(BankFile);
    std::vector<std::vector<BankTransaction>> read;
    for (const std::string& name : chosen) {
        auto file = readFile(name, [&name](const std::string& bytes) {
            return readBankFile(bareFileName(name), bytes);
        });
        if (!file) {
            workspace_.dialogs().showMessage(msg::FileNotFound);
            return;
        }
        if (!*file) {
            state_.MessageDetail = file->failure().what;
            workspace_.dialogs().showMessage(msg::DetailOnly);
            return;
        }
        read.push_back(std::move(*file).value());
    }
    if (chosen.empty())
        return;
    int added = 0;
    for (const std::vector<BankTransaction>& transactions : read)
        added += importTransactions(tables_.actuals.transactions, transactions);
    if (added > 0)
        tables_.ActualChanged = 1;
    refresh();
}

void ActualWindow::saveFile() {
    // The budget is kept by its name relative to the actuals file's folder.
    if (file_.save([this] {
            const std::string target = fullName(state_.ProgramFolder, file_.chosenPath());
            tables_.actuals.budgetPath = tables_.budgetFile.empty()
                                             ? std::string()
                                             : relativeBudgetPath(target, tables_.budgetFile);
            return writeActualFile(tables_.actuals);
        }))
        tables_.ActualChanged = 0;
}

void ActualWindow::openFile() {
    const auto chosen = file_.choose(false);
    if (!chosen)
        return;
    auto read = readFile(*chosen, readActualFile);
    if (!read || !*read) {
        workspace_.dialogs().showMessage(msg::FileNotFound);
        return;
    }
    const std::string budget =
        read->value().budgetPath.empty()
            ? std::string()
            : budgetPathOf(fullName(state_.ProgramFolder, *chosen), read->value().budgetPath)
                  .string();
    tables_.actuals = std::move(*read).value();
    tables_.budget = {};
    tables_.budgetFile.clear();
    if (!budget.empty())
        readBudget(budget); // a budget that has gone is a message; the actuals still open
    file_.adopt(*chosen);
    tables_.ActualChanged = 0;
    refresh();
}
