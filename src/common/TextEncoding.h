#pragma once
// Text read from files: ours are UTF-8, older ones hold single bytes of Windows-1252.
#include <optional>
#include <string>
#include <string_view>

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates, nothing
// above U+10FFFF).
bool isValidUtf8(std::string_view bytes);

// The code point that starts at byte `i` of a UTF-8 text, `i` moved past it; nothing for a
// malformed sequence (stray continuation byte, overlong form, surrogate, beyond U+10FFFF,
// cut short).
std::optional<char32_t> nextCodePoint(std::string_view text, std::size_t& i);

// The bytes as UTF-8 text: unchanged when they are valid UTF-8, otherwise each byte read as
// a Windows-1252 character (the five bytes that code page leaves unassigned become the
// control characters of the same number), so no character is ever lost or replaced.
std::string utf8FromFileText(std::string bytes);
