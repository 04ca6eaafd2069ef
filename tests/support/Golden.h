#pragma once
// Golden files for GoogleTest programs: a text compared byte for byte with a file below tests/,
// which PECUNEX_UPDATE_GOLDEN=1 rewrites (then review the difference by eye).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

namespace golden {

inline std::string readText(const std::string& path) {
    std::ostringstream s;
    s << std::ifstream(path, std::ios::binary).rdbuf();
    return s.str();
}

inline void expectMatches(const std::string& text, const std::string& name) {
    const std::string path = PECUNEX_SOURCE_DIR "/tests/" + name;
    if (std::getenv("PECUNEX_UPDATE_GOLDEN"))
        std::ofstream(path, std::ios::binary) << text;
    EXPECT_EQ(text, readText(path)) << name;
}

// `text` in brackets, line ends and tabs as \r \n \t, every other byte that is not printable
// ASCII as \xNN; a text longer than 40 bytes shows its first 12 and its length.
inline std::string quoted(std::string_view text) {
    std::string out = "[";
    for (unsigned char c : text.substr(0, text.size() > 40 ? 12 : text.size())) {
        char hex[5];
        std::snprintf(hex, sizeof hex, "\\x%02x", c);
        if (c >= 0x20 && c < 0x7f && c != '\\')
            out += char(c);
        else
            out += c == '\r'   ? "\\r"
                   : c == '\n' ? "\\n"
                   : c == '\t' ? "\\t"
                   : c == '\\' ? "\\\\"
                               : hex;
    }
    return out + (text.size() > 40 ? "...] (" + std::to_string(text.size()) + " bytes)" : "]");
}

} // namespace golden
