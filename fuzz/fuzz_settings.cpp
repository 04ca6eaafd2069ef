// Any bytes as Personal.kpf: read, write back, read again to the same settings (a double
// quote, which the dialog never lets in, is written as an apostrophe).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const SettingsRead first =
        parseSettings(std::string_view(reinterpret_cast<const char*>(data), size));
    const SettingsRead second = parseSettings(formatSettings(first.settings));
    std::string name = first.settings.userName;
    std::replace(name.begin(), name.end(), '"', '\'');
    if (!second.complete || second.settings.userName != name ||
        second.settings.printerFontChoice != first.settings.printerFontChoice)
        __builtin_trap();
    return 0;
}
