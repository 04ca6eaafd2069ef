#include "SettingsFile.h"

#include <optional>

#include "FileText.h"
#include "SeqFile.h"
#include "TextEncoding.h"

bool isTypableCurrencySymbol(std::string_view symbol) {
    int characters = 0;
    for (std::size_t i = 0; i < symbol.size();) {
        const auto cp = nextCodePoint(symbol, i);
        if (!cp || *cp < 0x20 || (*cp >= 0x7F && *cp <= 0x9F) || *cp == 0xFEFF)
            return false;
        if (++characters > 2)
            return false;
    }
    return true;
}

SettingsRead parseSettings(std::string_view fileText) {
    SettingsRead read;
    PersonalSettings& s = read.settings;
    SeqReader reader(fileText);
    // Fields are read in file order; the first one that fails leaves itself and the rest
    // at their defaults.
    [&] {
        auto symbol = reader.readString();
        if (!symbol)
            return;
        // A symbol no one could have typed would break every printout's columns.
        if (isTypableCurrencySymbol(*symbol))
            s.currencySymbol = std::move(symbol.value());
        auto font = reader.readInt16();
        if (!font || *font < 0 || *font > 3)
            return;
        s.printerFontChoice = *font;
        auto name = reader.readString();
        if (!name)
            return;
        s.userName = std::move(name.value());
        read.complete = true;
    }();
    if (s.currencySymbol.empty())
        s.currencySymbol = PersonalSettings{}.currencySymbol;
    return read;
}

std::string formatSettings(const PersonalSettings& settings) {
    SeqWriter writer;
    writer.writeString(settings.currencySymbol);
    writer.writeInteger(settings.printerFontChoice);
    writer.writeString(settings.userName);
    writer.endRecord();
    return writer.text();
}

SettingsRead loadPersonalSettings(const std::filesystem::path& folder) {
    const std::optional<std::string> text = readFileText(folder / SettingsFileName);
    return parseSettings(text ? *text : std::string());
}
