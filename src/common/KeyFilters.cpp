#include "KeyFilters.h"

#include "NumberFormat.h"

namespace {

bool isDigitKey(std::int16_t key) {
    return key >= '0' && key <= '9';
}

std::int16_t refuse(std::int16_t& key, const Beep& beep) {
    key = 0;
    if (beep)
        beep();
    return key;
}

} // namespace

std::int16_t DecimalKeyFilter(std::int16_t& key, std::string_view filterText,
                              std::int16_t& filterDecimals, const Beep& beep) {
    if (key == key::Backspace || key == key::Delete || key == key::Period)
        return key;
    if (!isDigitKey(key))
        return refuse(key, beep);

    const auto point = filterText.find('.');
    if (point == std::string_view::npos)
        return key;
    // Positions and lengths count characters, as the user sees them.
    const int p = charCount(filterText.substr(0, point)) + 1;
    int limit = p + 2;
    if (filterDecimals >= 3) {
        limit = p + filterDecimals;
        filterDecimals = 0; // the extra decimals are granted for this key only
    }
    if (charCount(filterText) < limit)
        return key;
    return refuse(key, beep);
}

std::int16_t DigitKeyFilter(std::int16_t& key, const Beep& beep) {
    if (key == key::Backspace || key == key::Delete || isDigitKey(key))
        return key;
    return refuse(key, beep);
}
