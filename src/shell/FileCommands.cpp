#include "FileCommands.h"

#include <QDir>
#include <QFileInfo>
#include <QString>
#include <filesystem>

#include "Dialogs.h"
#include "FileText.h"
#include "SafeSave.h"
#include "ShellState.h"

namespace {

QString inProgramFolder(const std::string& programFolder, const std::string& name) {
    const QString file = QString::fromStdString(name);
    if (QFileInfo(file).isAbsolute() || programFolder.empty())
        return file;
    return QDir(QString::fromStdString(programFolder)).filePath(file);
}

} // namespace

std::optional<std::string> chooseFile(Dialogs& dialogs, filemode::Mode mode,
                                      const std::optional<std::string>& initialName) {
    ShellState& state = dialogs.state();
    state.FileDialogMode = mode;
    if (initialName)
        state.ChosenFileName = *initialName;
    dialogs.fileDirectory();
    std::optional<std::string> chosen;
    if (state.FileDialogMode != filemode::Cancelled && !state.ChosenFileName.empty())
        chosen = state.ChosenFileName;
    state.FileDialogMode = filemode::None;
    state.ChosenFileName.clear();
    return chosen;
}

std::vector<std::string> chooseFiles(Dialogs& dialogs, filemode::Mode mode) {
    ShellState& state = dialogs.state();
    state.FileDialogSeveral = 1;
    state.ChosenFileNames.clear();
    const auto first = chooseFile(dialogs, mode);
    state.FileDialogSeveral = 0;
    std::vector<std::string> chosen = std::move(state.ChosenFileNames);
    state.ChosenFileNames.clear();
    if (!first)
        return {};
    // A dialog that answers one name answers it in ChosenFileName alone.
    if (chosen.empty())
        chosen.push_back(*first);
    return chosen;
}

std::optional<std::string> readWholeFile(const std::string& programFolder,
                                         const std::string& name) {
    const QString path = inProgramFolder(programFolder, name);
    return readFileText(std::filesystem::path(path.toStdString()));
}

bool saveWholeFile(const std::string& programFolder, const std::string& name,
                   std::string_view bytes) {
    return platform::saveFile(inProgramFolder(programFolder, name), bytes);
}

std::string bareFileName(const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).fileName().toStdString();
}
