#pragma once
// FileDir: the open and save dialogs for the program's data files. FileDirectory() reads
// FileDialogMode (1-8; another mode with FileDialogFilter, odd to open and even to save),
// offers the initial name and filter of that kind of file and leaves the full name chosen in
// ChosenFileName; a cancelled dialog sets FileDialogMode to 9 and ChosenFileName to "". Any
// other mode shows nothing and changes nothing. An open dialog with FileDialogSeveral set
// takes several existing files, all of them in ChosenFileNames.
#include <optional>
#include <string>

class QString;
class QWidget;
struct ShellState;

namespace filedir {

struct FileKind {
    std::string filter;    // description and pattern separated by a vertical bar
    std::string extension; // added to a saved name typed without one
    bool save;
};

// The kind of file and direction of a dialog mode FileDir knows; nothing for any other.
std::optional<FileKind> kindForMode(int mode);
// The kind the dialog shows for the state's mode: its own, or the one the caller described.
std::optional<FileKind> kindAsked(const ShellState& state);

// "Budget Database (*.Bgt)|*.Bgt" -> "Budget Database (*.Bgt)"; several pairs become
// several filters separated by ";;". A description that does not show its pattern gets
// it appended in parentheses.
QString qtNameFilters(const std::string& barFilter);

// The name the dialog offers for FileDialogMode: the open worksheet's own file of that kind.
std::string& offeredSlot(ShellState& state);
std::string offeredName(const ShellState& state);

} // namespace filedir

void FileDirectory(ShellState& state, QWidget* parent);
