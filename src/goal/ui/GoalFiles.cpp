// "S&ave File" and "&Open File": the entries to and from a savings goal file (.Gol).
#include "BusyCursor.h"
#include "Dialogs.h"
#include "FileCommands.h"
#include "GoalFile.h"
#include "GoalTables.h"
#include "GoalWindow.h"
#include "Messages.h"
#include "ShellState.h"
#include "Workspace.h"

void GoalWindow::onSaveClicked() {
    const auto chosen = chooseFile(workspace_.dialogs(), filemode::SaveGoal);
    if (!chosen)
        return;
    bool saved = false;
    {
        BusyCursor busy;
        saved = saveWholeFile(state_.ProgramFolder, *chosen, writeGoalFile(goalInputFrom(tables_)));
    }
    if (saved) {
        state_.CurrentFileName = bareFileName(*chosen);
        tables_.GoalChanged = 0;
    } else
        workspace_.dialogs().showMessage(msg::BadGoalFileName);
}

void GoalWindow::onOpenClicked() {
    const auto chosen = chooseFile(workspace_.dialogs(), filemode::OpenGoal);
    if (!chosen)
        return;
    std::optional<Result<GoalInput>> read;
    {
        BusyCursor busy;
        if (const auto text = readWholeFile(state_.ProgramFolder, *chosen))
            read = readGoalFile(*text);
    }
    if (!read || !*read) {
        // The entries on screen stay as they were.
        workspace_.dialogs().showMessage(msg::FileNotFound);
        return;
    }
    storeGoalInput(tables_, read->value());
    state_.CurrentFileName = bareFileName(*chosen);
    clearAnswer();
    tables_.GoalChanged = 0;
    showEntries();
}
