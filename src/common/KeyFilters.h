#pragma once
// The two key filters every typed figure passes through. A key code is a character code
// (0-255); 0 means "no key". A refused key comes back as 0 and sounds the beep.
#include <cstdint>
#include <functional>
#include <string_view>

using Beep = std::function<void()>;

namespace key {
constexpr std::int16_t Backspace = 8;
constexpr std::int16_t Enter = 13;
constexpr std::int16_t Delete = 127;
constexpr std::int16_t Period = 46;
} // namespace key

// Accepts backspace, 127, the period (always), and digits while fewer than the allowed
// decimals stand behind the first period of `filterText`. `filterDecimals` of 3 or more
// allows that many decimals once and is then reset to 0; 0, 1 and 2 all mean two.
// Returns the key to use (also written back into `key`).
std::int16_t DecimalKeyFilter(std::int16_t& key, std::string_view filterText,
                              std::int16_t& filterDecimals, const Beep& beep);

// Accepts backspace, 127 and the digits.
std::int16_t DigitKeyFilter(std::int16_t& key, const Beep& beep);
