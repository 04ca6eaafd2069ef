// "S&ave File" and "&Open File": the entries to and from a savings goal file (.Gol).
#include "GoalFile.h"
#include "GoalTables.h"
#include "GoalWindow.h"

void GoalWindow::saveFile() {
    if (file_.save([this] { return writeGoalFile(goalInputFrom(tables_)); }))
        tables_.GoalChanged = 0;
}

void GoalWindow::openFile() {
    // A file refused leaves the entries on screen as they were.
    const auto opened = file_.open([this](const std::optional<std::string>& text) {
        if (!text)
            return false;
        const Result<GoalInput> read = readGoalFile(*text);
        if (read)
            storeGoalInput(tables_, read.value());
        return read.ok();
    });
    if (opened != DocumentFile::Opened::Taken)
        return;
    clearAnswer();
    tables_.GoalChanged = 0;
    showEntries();
}
