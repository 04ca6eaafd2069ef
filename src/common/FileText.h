#pragma once
// Reading a whole file into memory, the one way every reader gets its text.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The file's bytes as they are; nothing when it cannot be opened or read (missing, a
// folder, no permission).
std::optional<std::string> readFileText(const std::filesystem::path& path);

// The name ends in `tail` (lower case), capitals taken as their small letters: ".png" for
// "CHART.PNG".
bool endsWithNoCase(std::string_view name, std::string_view tail);
