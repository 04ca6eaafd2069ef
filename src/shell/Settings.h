#pragma once
// The settings store on disk: Personal.kpf in the program's folder (once installed, in the
// user's configuration folder: see ProgramPaths.h).
#include <QString>

struct ShellState;

// Full name of the settings file for this program folder.
QString settingsFilePath(const ShellState& state);

// Fills CurrencySymbol, PrinterFontChoice and UserName from the file. A missing, short or
// damaged file is no error: what could not be read keeps its default, and LinesPerPage
// becomes 53. An empty currency symbol becomes "$".
void loadSettings(ShellState& state);

// Writes the three settings, replacing the file only once the new one is complete.
// Returns false when it could not be written; the caller carries on silently.
bool saveSettings(const ShellState& state);
