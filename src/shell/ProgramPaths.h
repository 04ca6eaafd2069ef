#pragma once
// Where the program's files live. Run from the build tree, everything sits beside the program:
// the settings file, the user guide, the sample files, and the file dialogs start there.
// Installed system-wide (the program in a folder under /usr, or in one it cannot write), the
// guide and the samples are in the installed data folder (<prefix>/share/pecunex beside
// <prefix>/bin), Personal.kpf in the user's configuration folder and the file dialogs start in
// the user's documents folder.
#include <QString>

namespace paths {

enum class Layout { BuildTree, Installed };

// Installed when the folder is /usr or below it, or when it cannot be written.
Layout layoutOf(const QString& programFolder, bool folderWritable);
// The same, asking the disk whether the folder can be written; a folder that does not exist
// counts as writable.
Layout layoutOf(const QString& programFolder);

struct Folders {
    QString program;   // the program itself
    QString data;      // the guide and the sample files; files named without a folder
    QString settings;  // Personal.kpf
    QString documents; // where a file dialog without a file name starts
};

// The user's folders an installed program uses.
struct UserFolders {
    QString config; // the program's own configuration folder
    QString documents;
};

// The folders of one layout; pure, for the program and for the tests.
Folders foldersFor(Layout layout, const QString& programFolder, const UserFolders& user);

// This user's folders: <config home>/pecunex (what QStandardPaths::AppConfigLocation names
// for the program "pecunex", whichever program asks) and the documents folder, or the home
// folder when there is none.
UserFolders userFolders();

// The folders for a program running from programFolder on this machine.
Folders foldersOf(const QString& programFolder);

// The folder settings are read from and written to when files named without a folder live in
// dataFolder (the program's data folder, as foldersOf gives it). Made when it is missing.
QString settingsFolder(const QString& dataFolder);

// Where a file dialog with no file name starts, for the same data folder.
QString documentsFolder(const QString& dataFolder);

} // namespace paths
