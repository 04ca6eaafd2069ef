#pragma once
// Personal.kpf: currency symbol, printer font choice, user's name, one record.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

struct PersonalSettings {
    std::string currencySymbol = "$";
    std::int16_t printerFontChoice = 0;
    std::string userName;
};

struct SettingsRead {
    PersonalSettings settings; // fields not read keep their defaults; "" symbol becomes "$"
    bool complete = false;     // false: missing, short or damaged file (page length 53)
};

SettingsRead parseSettings(std::string_view fileText);

// The settings file's name, in the program's folder.
constexpr const char* SettingsFileName = "Personal.kpf";

// Loads the settings file in `folder`, the one way both programs read it: a missing,
// short or damaged file is no error; the fields read before the damage keep their values,
// the rest their defaults, and `complete` is false (the page length falls back to 53).
SettingsRead loadPersonalSettings(const std::filesystem::path& folder);

// A symbol a user could type in Personalize: valid UTF-8, at most two characters, no
// control characters (C0, DEL, C1) and no byte-order mark. "" (no symbol) is one.
bool isTypableCurrencySymbol(std::string_view symbol);
std::string formatSettings(const PersonalSettings& settings);
