#include "FileText.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>

std::optional<std::string> readFileText(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        return std::nullopt;
    return text;
}

bool endsWithNoCase(std::string_view name, std::string_view tail) {
    return name.size() >= tail.size() &&
           std::equal(
               tail.begin(), tail.end(), name.end() - std::ptrdiff_t(tail.size()),
               [](char lower, char c) { return lower == (c >= 'A' && c <= 'Z' ? c + 32 : c); });
}
