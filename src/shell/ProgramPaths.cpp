#include "ProgramPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace paths {

namespace {
const QString ProgramName = QStringLiteral("pecunex");

bool underUsr(const QString& folder) {
    const QString clean = QDir::cleanPath(folder);
    return clean == QLatin1String("/usr") || clean.startsWith(QLatin1String("/usr/"));
}
} // namespace

Layout layoutOf(const QString& programFolder, bool folderWritable) {
    return underUsr(programFolder) || !folderWritable ? Layout::Installed : Layout::BuildTree;
}

Layout layoutOf(const QString& programFolder) {
    // A folder that is not there decides nothing: files stay where they are named.
    const QFileInfo folder(programFolder);
    return layoutOf(programFolder, !folder.exists() || folder.isWritable());
}

Folders foldersFor(Layout layout, const QString& programFolder, const UserFolders& user) {
    const QString program = QDir::cleanPath(programFolder);
    if (layout == Layout::BuildTree)
        return Folders{program, program, program, program};
    // <prefix>/bin/pecunex reads <prefix>/share/pecunex.
    const QString data = QDir::cleanPath(program + QStringLiteral("/../share/") + ProgramName);
    return Folders{program, data, QDir::cleanPath(user.config), QDir::cleanPath(user.documents)};
}

UserFolders userFolders() {
    const QString configHome =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty() || !QFileInfo(documents).isDir())
        documents = QDir::homePath();
    return UserFolders{QDir(configHome).filePath(ProgramName), documents};
}

Folders foldersOf(const QString& programFolder) {
    return foldersFor(layoutOf(programFolder), programFolder, userFolders());
}

QString settingsFolder(const QString& dataFolder) {
    if (layoutOf(dataFolder) == Layout::BuildTree)
        return QDir::cleanPath(dataFolder);
    const QString folder = userFolders().config;
    // A folder that cannot be made shows as a settings file that cannot be written.
    (void)QDir().mkpath(folder);
    return folder;
}

QString documentsFolder(const QString& dataFolder) {
    if (layoutOf(dataFolder) == Layout::BuildTree)
        return QDir::cleanPath(dataFolder);
    return userFolders().documents;
}

} // namespace paths
