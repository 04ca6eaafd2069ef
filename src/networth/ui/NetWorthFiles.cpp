// "&Save File" and "&Open File": the statement to and from a net worth file (.NWV).

#include "BusyCursor.h"
#include "Dialogs.h"
#include "Messages.h"
#include "NetWorthFile.h"
#include "NetWorthWindow.h"
#include "WorksheetFrame.h"
#include "Workspace.h"

void NetWorthWindow::hideForDialogs(bool hide) {
    // Inside the container the whole worksheet frame steps aside; on its own (tests) it stays.
    if (QWidget* frame = worksheetFrame(this); frame != this)
        frame->setVisible(!hide);
}

void NetWorthWindow::saveFile() {
    hideForDialogs(true);
    // The counts are the last calculation's: lines typed since then are not counted yet.
    if (tables_.AssetCount == 0 && tables_.LiabilityCount == 0)
        workspace_.dialogs().showMessage(msg::NoRecords);
    else
        file_.save([this] { return writeNetWorthFile(tables_); });
    // Any save attempt counts as saved.
    tables_.NetWorthUnsaved = 0;
    hideForDialogs(false);
}

void NetWorthWindow::openFile() {
    hideForDialogs(true);
    // The statement in memory is replaced; its unsaved mark stays as it was.
    const std::int16_t unsaved = tables_.NetWorthUnsaved;
    const auto opened = file_.open([this](const std::optional<std::string>& text) {
        if (!text)
            return false;
        Result<NetWorthTables> read = readNetWorthFile(*text);
        if (read)
            tables_ = std::move(read).value();
        return read.ok();
    });
    if (opened == DocumentFile::Opened::Refused) {
        tables_ = {};
        file_.forget();
    }
    tables_.NetWorthUnsaved = unsaved;
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
