#include "SettingsFile.h"

#include <optional>

#include "FileText.h"
#include "SeqFile.h"

namespace {
// The next code point of a UTF-8 text, advancing `i`; nothing for a malformed sequence
// (stray continuation byte, overlong form, surrogate, beyond U+10FFFF, cut short).
std::optional<char32_t> nextCodePoint(std::string_view text, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    int extra = 0;
    char32_t cp = 0;
    if (lead < 0x80)
        return static_cast<char32_t>(text[i++] & 0x7F);
    if ((lead & 0xE0) == 0xC0)
        extra = 1, cp = lead & 0x1F;
    else if ((lead & 0xF0) == 0xE0)
        extra = 2, cp = lead & 0x0F;
    else if ((lead & 0xF8) == 0xF0)
        extra = 3, cp = lead & 0x07;
    else
        return std::nullopt;
    if (i + static_cast<std::size_t>(extra) >= text.size())
        return std::nullopt;
    for (int k = 1; k <= extra; ++k) {
        if ((byte(i + static_cast<std::size_t>(k)) & 0xC0) != 0x80)
            return std::nullopt;
        cp = (cp << 6) | (byte(i + static_cast<std::size_t>(k)) & 0x3F);
    }
    static constexpr char32_t Smallest[] = {0, 0x80, 0x800, 0x10000};
    if (cp < Smallest[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return std::nullopt;
    i += static_cast<std::size_t>(extra) + 1;
    return cp;
}
} // namespace

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
