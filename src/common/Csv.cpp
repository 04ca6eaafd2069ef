#include "Csv.h"

#include <cstdint>

std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string out = "\"";
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + '"';
}

std::string csvFigure(Currency value) {
    const std::int64_t raw = value.raw();
    const bool negative = raw < 0;
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(raw) : static_cast<std::uint64_t>(raw);
    const std::uint64_t cents = (magnitude + 50) / 100;
    const std::uint64_t fraction = cents % 100;
    std::string out = negative && cents != 0 ? "-" : "";
    out += std::to_string(cents / 100) + (fraction < 10 ? ".0" : ".") + std::to_string(fraction);
    return out;
}
