#pragma once
// Personal.kpf: currency symbol, printer font choice, user's name, one record.
#include <cstdint>
#include <string>
#include <string_view>

struct PersonalSettings {
    std::string currencySymbol = "$";
    std::int16_t printerFontChoice = 0;
    std::string userName;
};

struct SettingsRead {
    PersonalSettings settings;  // fields not read keep their defaults; "" symbol becomes "$"
    bool complete = false;      // false: missing, short or damaged file (page length 53)
};

SettingsRead parseSettings(std::string_view fileText);

// A symbol a user could type in Personalize: valid UTF-8, at most two characters, no
// control characters (C0, DEL, C1) and no byte-order mark. "" (no symbol) is one.
bool isTypableCurrencySymbol(std::string_view symbol);
std::string formatSettings(const PersonalSettings& settings);
