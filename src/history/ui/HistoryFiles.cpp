// The history's files: a statement added from a net worth file, a loan followed from a
// mortgage or loan file, and the history saved to and opened from its own file (.Nwh).
#include <QDateTime>
#include <QFileInfo>
#include <QLineEdit>

#include "BusyCursor.h"
#include "Dialogs.h"
#include "DocumentFile.h"
#include "FileCommands.h"
#include "HistoryFile.h"
#include "HistoryTables.h"
#include "HistoryWindow.h"
#include "Messages.h"
#include "NetWorthFile.h"
#include "QtText.h"
#include "ShellState.h"
#include "SystemLocale.h"
#include "Workspace.h"

namespace {

// A net worth statement added to the history, and a mortgage or loan file it follows: read,
// never the history's own file.
const DocumentKind StatementFile{.openMode = 33,
                                 .filter = "Net Worth Database (*.nwv)|*.nwv",
                                 .extension = "nwv",
                                 .named = false};
const DocumentKind FollowedLoanFile{.openMode = 35,
                                    .filter = "Mortgage or Loan Database (*.umd *.uld)|*.umd *.uld",
                                    .extension = "umd",
                                    .named = false};

std::string folderOf(const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).absolutePath().toStdString();
}

std::string wrongFile(const std::string& name) {
    return name + ": " + messageText(msg::FileNotFound);
}

} // namespace

void HistoryWindow::onAddClicked() {
    const auto chosen = file_.choose(StatementFile, false);
    if (!chosen)
        return;
    const auto read = readFile(*chosen, readNetWorthFile);
    if (!read || !*read) {
        tell(wrongFile(bareFileName(*chosen)));
        return;
    }
    if (tables_.HistoryData.statements.size() >= static_cast<std::size_t>(MaxStatements)) {
        History full;
        full.statements.resize(MaxStatements);
        tell(*addStatement(full, {}, bareFileName(*chosen)));
        return;
    }
    // The statement waits for its date: the file's own is proposed.
    pending_ = Statement{0, "", read->value()};
    pendingFile_ = bareFileName(*chosen);
    const QFileInfo file(QString::fromStdString(*chosen));
    const QDate modified = file.lastModified().date();
    const int proposed =
        modified.isValid()
            ? platform::today() - static_cast<int>(modified.daysTo(QDate::currentDate()))
            : platform::today();
    HDate->setText(qs(platform::shortDate(proposed)));
    HLabel->clear();
    HDate->setFocus();
    HDate->selectAll();
}

void HistoryWindow::onFollowClicked() {
    if (tables_.HistoryData.loans.size() >= static_cast<std::size_t>(MaxFollowedLoans)) {
        tell("The history follows three loans, the most it can.");
        return;
    }
    const auto chosen = file_.choose(FollowedLoanFile, false);
    if (!chosen)
        return;
    auto read = readFile(*chosen, [&chosen](const std::string& text) {
        return loanBalances(text, bareFileName(*chosen));
    });
    if (!read || (!*read && read->failure().code == msg::FileNotFound)) {
        tell(wrongFile(bareFileName(*chosen)));
        return;
    }
    if (!*read) {
        tell(read->failure().code == msg::DetailOnly ? read->failure().what
                                                     : messageText(read->failure().code));
        return;
    }
    tables_.HistoryData.loans.push_back(
        {*chosen, loanDescription(*chosen), std::move(*read).value()});
    changed();
}

void HistoryWindow::saveFile() {
    if (tables_.HistoryData.statements.empty()) {
        workspace_.dialogs().showMessage(msg::NoRecordsToSave);
        return;
    }
    // Followed loans are kept by their names relative to the history file's folder.
    if (file_.save(
            [this] { return writeHistoryFile(tables_.HistoryData, folderOf(file_.chosenPath())); }))
        tables_.HistoryChanged = 0;
}

void HistoryWindow::openFile() {
    const auto chosen = file_.choose(false);
    if (!chosen)
        return;
    std::optional<Result<History>> read;
    std::vector<std::string> problems;
    {
        BusyCursor busy;
        if (const auto text = readWholeFile(state_.ProgramFolder, *chosen))
            read = readHistoryFile(*text);
        if (read && *read)
            problems = readFollowedLoans(read->value(), folderOf(*chosen),
                                         [this](const std::string& path) {
                                             return readWholeFile(state_.ProgramFolder, path);
                                         });
    }
    if (!read || !*read) {
        // The history on screen stays as it was.
        tell(wrongFile(bareFileName(*chosen)));
        return;
    }
    pending_.reset();
    tables_.HistoryData = std::move(*read).value();
    tables_.HistoryChanged = 0;
    file_.adopt(*chosen);
    refresh();
    if (!problems.empty()) {
        std::string all;
        for (const std::string& p : problems)
            all += (all.empty() ? "" : "\n") + p;
        tell(all);
    }
}
