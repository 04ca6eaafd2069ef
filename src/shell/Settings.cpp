#include "Settings.h"

#include <QDir>
#include <string>

#include "SafeSave.h"
#include "SettingsFile.h"
#include "SharedState.h"

QString settingsFilePath(const SharedState& state) {
    return QDir(QString::fromStdString(state.ProgramFolder)).filePath(QString::fromLatin1(SettingsFileName));
}

void loadSettings(SharedState& state) {
    const SettingsRead read = loadPersonalSettings(state.ProgramFolder);
    state.CurrencySymbol = read.settings.currencySymbol;
    state.PrinterFontChoice = read.settings.printerFontChoice;
    state.UserName = read.settings.userName;
    if (!read.complete)
        state.LinesPerPage = 53;
}

bool saveSettings(const SharedState& state) {
    PersonalSettings settings;
    settings.currencySymbol = state.CurrencySymbol;
    settings.printerFontChoice = state.PrinterFontChoice;
    settings.userName = state.UserName;
    const std::string text = formatSettings(settings);
    // A failed write leaves the previous settings in place.
    return platform::saveFile(settingsFilePath(state), text);
}
