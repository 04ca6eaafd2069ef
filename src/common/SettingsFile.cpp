#include "SettingsFile.h"

#include "SeqFile.h"

SettingsRead parseSettings(std::string_view fileText) {
    SettingsRead read;
    PersonalSettings& s = read.settings;
    SeqReader reader(fileText);
    // Fields are read in file order; the first one that fails leaves itself and the rest
    // at their defaults.
    [&] {
        auto symbol = reader.readString();
        if (!symbol) return;
        s.currencySymbol = std::move(symbol.value());
        auto font = reader.readInt16();
        if (!font || *font < 0 || *font > 3) return;
        s.printerFontChoice = *font;
        auto name = reader.readString();
        if (!name) return;
        s.userName = std::move(name.value());
        read.complete = true;
    }();
    if (s.currencySymbol.empty()) s.currencySymbol = PersonalSettings{}.currencySymbol;
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
