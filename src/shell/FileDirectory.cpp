#include "FileDirectory.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>
#include <QUrl>

#include "FileCommands.h"
#include "ProgramPaths.h"
#include "ShellState.h"

namespace filedir {

std::optional<FileKind> kindForMode(int mode) {
    // The worksheets' kinds of file, each opened in an odd mode and saved in the even one
    // after it.
    static constexpr std::pair<const char*, const char*> Kinds[] = {
        {"Budget Database (*.Bgt)|*.Bgt", "Bgt"},
        {"Net Worth Database (*.nwv)|*.nwv", "nwv"},
        {"Mortgage Database (*.umd)|*.umd", "umd"},
        {"Loan Database (*.uld)|*.uld", "uld"}};
    if (mode < filemode::OpenBudget || mode > filemode::SaveLoan)
        return std::nullopt;
    const auto& [filter, extension] = Kinds[(mode - 1) / 2];
    return FileKind{filter, extension, mode % 2 == 0};
}

QString qtNameFilters(const std::string& barFilter) {
    const QStringList parts = QString::fromStdString(barFilter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString& pattern = parts[i + 1];
        if (description.contains(QLatin1Char('(') + pattern + QLatin1Char(')')))
            filters << description;
        else
            filters << description + QStringLiteral(" (") + pattern + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

std::optional<FileKind> kindAsked(const ShellState& state) {
    const int mode = state.FileDialogMode;
    if (auto own = kindForMode(mode))
        return own;
    if (mode <= 0 || mode == filemode::Cancelled || state.FileDialogFilter.empty())
        return std::nullopt;
    return FileKind{state.FileDialogFilter, state.FileDialogExtension, mode % 2 == 0};
}

namespace {
template <class State> auto& slotFor(State& state) {
    const int mode = state.FileDialogMode;
    if (mode == filemode::OpenMortgage || mode == filemode::SaveMortgage)
        return state.MortgageFileName;
    if (mode == filemode::OpenLoan || mode == filemode::SaveLoan)
        return state.LoanFileName;
    return state.CurrentFileName;
}
} // namespace

std::string& offeredSlot(ShellState& state) {
    return slotFor(state);
}

std::string offeredName(const ShellState& state) {
    return slotFor(state);
}

} // namespace filedir

namespace {

// A name without a folder is offered in the program's folder (files named without one
// live there).
QFileInfo initialFile(const ShellState& state, const std::string& name) {
    QFileInfo file(QString::fromStdString(name));
    if (file.isRelative() && !state.ProgramFolder.empty())
        file = QFileInfo(QDir(QString::fromStdString(state.ProgramFolder)), file.filePath());
    return file;
}

} // namespace

void FileDirectory(ShellState& state, QWidget* parent) {
    const auto kind = filedir::kindAsked(state);
    if (!kind)
        return;

    // Our own dialog rather than the desktop's, so it behaves the same on every desktop
    // (and tests can drive it: it is the active modal widget named CMDialog1).
    QFileDialog dialog(parent);
    dialog.setObjectName("CMDialog1");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(kind->save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // An open dialog returns any name typed; a name that does not exist is reported by the
    // caller when it tries to read the file. One asked for several takes only files that are
    // there, as many as are picked.
    const bool several = state.FileDialogSeveral != 0 && !kind->save;
    dialog.setFileMode(several ? QFileDialog::ExistingFiles : QFileDialog::AnyFile);
    if (kind->save)
        dialog.setDefaultSuffix(QString::fromStdString(kind->extension));
    const QString filter = filedir::qtNameFilters(kind->filter);
    dialog.setNameFilters(filter.split(QStringLiteral(";;")));
    dialog.selectNameFilter(dialog.nameFilters().value(0));

    const std::string name = filedir::offeredName(state);
    if (!name.empty()) {
        const QFileInfo file = initialFile(state, name);
        dialog.setDirectory(file.absolutePath());
        dialog.selectFile(file.fileName());
    } else if (!state.ProgramFolder.empty()) {
        // Beside the program in the build tree; the documents folder once installed, with
        // the installed samples a click away.
        const QString data = QString::fromStdString(state.ProgramFolder);
        dialog.setDirectory(paths::documentsFolder(data));
        if (paths::layoutOf(data) == paths::Layout::Installed)
            dialog.setSidebarUrls(
                {QUrl::fromLocalFile(paths::documentsFolder(data)), QUrl::fromLocalFile(data)});
    }

    QStringList chosen;
    if (dialog.exec() == QDialog::Accepted)
        chosen = dialog.selectedFiles();
    chosen.removeAll(QString());
    state.ChosenFileNames.clear();
    if (chosen.isEmpty()) {
        state.FileDialogMode = filemode::Cancelled;
        state.ChosenFileName.clear();
        return;
    }
    for (const QString& file : chosen)
        state.ChosenFileNames.push_back(
            QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath()).toStdString());
    if (!several)
        state.ChosenFileNames.resize(1);
    state.ChosenFileName = state.ChosenFileNames.front();
}
