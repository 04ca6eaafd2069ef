// "&Save File" and "&Open File": the statement to and from a net worth file (.NWV).
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QSaveFile>

#include "BusyCursor.h"
#include "Dialogs.h"
#include "Messages.h"
#include "NetWorthFile.h"
#include "NetWorthWindow.h"
#include "ShellState.h"
#include "Workspace.h"

namespace {
constexpr int OpenMode = 3;
constexpr int SaveMode = 4;

// A name without a folder is looked up in the program's folder.
QString resolve(const ShellState& state, const std::string& name) {
    const QString file = QString::fromStdString(name);
    if (QFileInfo(file).isAbsolute() || state.ProgramFolder.empty())
        return file;
    return QDir(QString::fromStdString(state.ProgramFolder)).filePath(file);
}

std::string bareName(const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).fileName().toStdString();
}
} // namespace

void NetWorthWindow::hideForDialogs(bool hide) {
    // Inside the container the whole worksheet frame steps aside; on its own (tests) it stays.
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->setVisible(!hide);
}

std::optional<std::string> NetWorthWindow::chooseFile(int mode) {
    state_.FileDialogMode = static_cast<std::int16_t>(mode);
    workspace_.dialogs().fileDirectory();
    std::optional<std::string> chosen;
    if (state_.FileDialogMode != 9 && !state_.ChosenFileName.empty())
        chosen = state_.ChosenFileName;
    state_.FileDialogMode = 0;
    state_.ChosenFileName.clear();
    return chosen;
}

void NetWorthWindow::onSaveClicked() {
    hideForDialogs(true);
    // The counts are the last calculation's: lines typed since then are not counted yet.
    if (tables_.AssetCount == 0 && tables_.LiabilityCount == 0) {
        workspace_.dialogs().showMessage(msg::NoRecords);
    } else if (const auto chosen = chooseFile(SaveMode)) {
        if (saveTo(*chosen))
            state_.CurrentFileName = bareName(*chosen);
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
    // Written beside the target and renamed over it, so a failed save leaves the old file.
    QSaveFile file(resolve(state_, fileName));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(text.data(), static_cast<qint64>(text.size())) !=
        static_cast<qint64>(text.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void NetWorthWindow::onOpenClicked() {
    hideForDialogs(true);
    if (const auto chosen = chooseFile(OpenMode)) {
        if (auto read = readFrom(*chosen)) {
            // The statement in memory is replaced; its unsaved mark stays as it was.
            const std::int16_t unsaved = tables_.NetWorthUnsaved;
            tables_ = std::move(*read);
            tables_.NetWorthUnsaved = unsaved;
            state_.CurrentFileName = bareName(*chosen);
        } else {
            workspace_.dialogs().showMessage(msg::FileNotFound);
            const std::int16_t unsaved = tables_.NetWorthUnsaved;
            tables_ = {};
            tables_.NetWorthUnsaved = unsaved;
            state_.CurrentFileName.clear();
        }
    }
    {
        BusyCursor busy;
        calculate();
    }
    hideForDialogs(false);
}

std::optional<NetWorthTables> NetWorthWindow::readFrom(const std::string& fileName) {
    BusyCursor busy;
    QFile file(resolve(state_, fileName));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    const Result<NetWorthTables> read = readNetWorthFile(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!read)
        return std::nullopt;
    return read.value();
}
