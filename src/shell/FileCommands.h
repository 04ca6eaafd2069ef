#pragma once
// The file commands every worksheet uses: choose a file through the FileDir dialog, read a
// whole file, save one safely. A name without a folder means a file in the program's folder.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Dialogs;

// The modes FileDir knows itself (open and save, per kind of file), and its answer to a
// cancel. FileDialogMode holds them as their numbers, 0 to 9 in this order; a worksheet of our
// own describes its kinds of file, modes included, in a DocumentKind of its own.
namespace filemode {
enum Mode : std::int16_t {
    None,
    OpenBudget,
    SaveBudget,
    OpenNetWorth,
    SaveNetWorth,
    OpenMortgage,
    SaveMortgage,
    OpenLoan,
    SaveLoan,
    Cancelled,
};
} // namespace filemode

// Shows the file dialog in `mode`, offering `initialName` when there is one (otherwise the
// dialog offers what it offers for that mode). The full name chosen, or nothing when the
// dialog was cancelled; the dialog's mode and answer are cleared afterwards.
std::optional<std::string> chooseFile(Dialogs& dialogs, filemode::Mode mode,
                                      const std::optional<std::string>& initialName = {});

// Shows the open dialog in `mode` for several files at once: the full names chosen, in the
// dialog's order; none when it was cancelled.
std::vector<std::string> chooseFiles(Dialogs& dialogs, filemode::Mode mode);

// The file's bytes; nothing when it cannot be read.
std::optional<std::string> readWholeFile(const std::string& programFolder, const std::string& name);

// Writes the file through a temporary file beside it, renamed over it only when every byte
// reached the disk: a failed save leaves the previous file as it was.
bool saveWholeFile(const std::string& programFolder, const std::string& name,
                   std::string_view bytes);

// The name without its folder, as the worksheets remember it.
std::string bareFileName(const std::string& path);
