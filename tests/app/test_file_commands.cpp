// The shell's file commands: choosing a file through the file dialog, reading a whole file
// and saving one, names without a folder meaning the program's folder.
#include <gtest/gtest.h>

#include "FileCommands.h"
#include "ReportProcess.h"
#include "ScriptedDialogs.h"
#include "ShellState.h"

namespace {

using namespace report_process;

TEST(FileCommands, ChooseFileAnswersTheNameOrNothingAndClearsTheDialogState) {
    ShellState state;
    ScriptedDialogs dialogs(state);
    dialogs.fileNames = {"/data/plan.umd", ""};
    const auto chosen = chooseFile(dialogs, filemode::SaveMortgage, std::string("old.umd"));
    EXPECT_EQ(chosen.value_or("<none>"), "/data/plan.umd");
    const auto cancelled = chooseFile(dialogs, filemode::OpenBudget);
    EXPECT_FALSE(cancelled.has_value());
    EXPECT_EQ(dialogs.calls,
              (std::vector<ScriptedDialogs::Call>{{"fileDirectory", 6}, {"fileDirectory", 1}}));
    EXPECT_EQ(state.FileDialogMode, filemode::None);
    EXPECT_EQ(state.ChosenFileName, "");
    EXPECT_EQ(bareFileName("/data/plan.umd"), "plan.umd");
}

// (A save cut short keeps the old file and leaves nothing beside it: the safe save's tests.)
TEST(FileCommands, NamesWithoutAFolderAreInTheProgramFolder) {
    Scratch scratch("pecunex-file-commands");
    const std::string folder = scratch.path.string();
    ASSERT_TRUE(saveWholeFile(folder, "a.Bgt", "first\r\n"));
    EXPECT_EQ(readText(scratch.path / "a.Bgt"), "first\r\n");
    EXPECT_EQ(readWholeFile(folder, "a.Bgt").value_or("<none>"), "first\r\n");
    EXPECT_EQ(readWholeFile("/elsewhere", (scratch.path / "a.Bgt").string()).value_or("<none>"),
              "first\r\n");
    EXPECT_FALSE(readWholeFile(folder, "missing.Bgt").has_value());
    EXPECT_FALSE(readWholeFile(folder, ".").has_value()); // a folder is no file
    EXPECT_FALSE(saveWholeFile(folder, "no/such/folder/b.Bgt", "x"));
}

} // namespace
