#pragma once
// Reading a whole file into memory, the one way every reader gets its text.
#include <filesystem>
#include <optional>
#include <string>

// The file's bytes as they are; nothing when it cannot be opened or read (missing, a
// folder, no permission).
std::optional<std::string> readFileText(const std::filesystem::path& path);
