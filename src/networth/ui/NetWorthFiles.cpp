// "&Save File" and "&Open File": the statement to and from a net worth file (.NWV).

#include "BusyCursor.h"
#include "Dialogs.h"
#include "FileCommands.h"
#include "Messages.h"
#include "NetWorthFile.h"
#include "NetWorthWindow.h"
#include "ShellState.h"
#include "WorksheetFrame.h"
#include "Workspace.h"

void NetWorthWindow::hideForDialogs(bool hide) {
    // Inside the container the whole worksheet frame steps aside; on its own (tests) it stays.
    if (QWidget* frame = worksheetFrame(this); frame != this)
        frame->setVisible(!hide);
}

std::optional<std::string> NetWorthWindow::chooseFile(filemode::Mode mode) {
    return ::chooseFile(workspace_.dialogs(), mode);
}

void NetWorthWindow::onSaveClicked() {
    hideForDialogs(true);
    // The counts are the last calculation's: lines typed since then are not counted yet.
    if (tables_.AssetCount == 0 && tables_.LiabilityCount == 0) {
        workspace_.dialogs().showMessage(msg::NoRecords);
    } else if (const auto chosen = chooseFile(filemode::SaveNetWorth)) {
        if (saveTo(*chosen))
            state_.CurrentFileName = bareFileName(*chosen);
        else
            workspace_.dialogs().showMessage(msg::BadNetWorthFileName);
    }
    // Any save attempt counts as saved.
    tables_.NetWorthUnsaved = 0;
    hideForDialogs(false);
}

bool NetWorthWindow::saveTo(const std::string& fileName) {
    BusyCursor busy;
    const std::string text = writeNetWorthFile(tables_);
    return saveWholeFile(state_.ProgramFolder, fileName, text);
}

void NetWorthWindow::onOpenClicked() {
    hideForDialogs(true);
    if (const auto chosen = chooseFile(filemode::OpenNetWorth)) {
        if (auto read = readFrom(*chosen)) {
            // The statement in memory is replaced; its unsaved mark stays as it was.
            const std::int16_t unsaved = tables_.NetWorthUnsaved;
            tables_ = std::move(*read);
            tables_.NetWorthUnsaved = unsaved;
            state_.CurrentFileName = bareFileName(*chosen);
        } else {
            workspace_.dialogs().showMessage(msg::FileNotFound);
            const std::int16_t unsaved = tables_.NetWorthUnsaved;
            tables_ = {};
            tables_.NetWorthUnsaved = unsaved;
            state_.CurrentFileName.clear();
        }
    }
    bool calculated = false;
    {
        BusyCursor busy;
        calculated = calculate();
    }
    // Figures too large to add up (message 26): the grids show the file's lines, not the
    // statement that was there before it.
    if (!calculated)
        showLinesWithoutTotals();
    hideForDialogs(false);
}

std::optional<NetWorthTables> NetWorthWindow::readFrom(const std::string& fileName) {
    BusyCursor busy;
    const std::optional<std::string> text = readWholeFile(state_.ProgramFolder, fileName);
    if (!text)
        return std::nullopt;
    const Result<NetWorthTables> read = readNetWorthFile(*text);
    if (!read)
        return std::nullopt;
    return read.value();
}
