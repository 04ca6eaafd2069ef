#include "Settings.h"

#include <QDir>
#include <string>

#include "ProgramPaths.h"
#include "SafeSave.h"
#include "SettingsFile.h"
#include "ShellState.h"

QString settingsFilePath(const ShellState& state) {
    // Beside the program in the build tree; the user's configuration folder once installed.
    const QString folder = paths::settingsFolder(QString::fromStdString(state.ProgramFolder));
    return QDir(folder).filePath(QString::fromLatin1(SettingsFileName));
}

void loadSettings(ShellState& state) {
    const QString folder = paths::settingsFolder(QString::fromStdString(state.ProgramFolder));
    const SettingsRead read = loadPersonalSettings(folder.toStdString());
    state.CurrencySymbol = read.settings.currencySymbol;
    state.PrinterFontChoice = read.settings.printerFontChoice;
    state.UserName = read.settings.userName;
    if (!read.complete)
        state.LinesPerPage = 53;
}

bool saveSettings(const ShellState& state) {
    PersonalSettings settings;
    settings.currencySymbol = state.CurrencySymbol;
    settings.printerFontChoice = state.PrinterFontChoice;
    settings.userName = state.UserName;
    const std::string text = formatSettings(settings);
    // A failed write leaves the previous settings in place.
    return platform::saveFile(settingsFilePath(state), text);
}
