#include "GraphOptions.h"

#include <algorithm>
#include <charconv>

namespace {

std::optional<int> side(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < 16 || value > 10000)
        return std::nullopt;
    return value;
}

bool endsWithNoCase(std::string_view text, std::string_view tail) {
    if (text.size() < tail.size())
        return false;
    return std::equal(tail.begin(), tail.end(),
                      text.end() - static_cast<std::ptrdiff_t>(tail.size()),
                      [](char lower, char c) { return lower == (c | 0x20); });
}

} // namespace

std::optional<std::pair<int, int>> parseImageSize(std::string_view text) {
    const auto x = text.find_first_of("xX");
    if (x == std::string_view::npos)
        return std::nullopt;
    const auto w = side(text.substr(0, x)), h = side(text.substr(x + 1));
    if (!w || !h)
        return std::nullopt;
    return std::pair{*w, *h};
}

std::optional<ImageFormat> imageFormatFor(std::string_view fileName) {
    if (endsWithNoCase(fileName, ".png"))
        return ImageFormat::Png;
    if (endsWithNoCase(fileName, ".svg"))
        return ImageFormat::Svg;
    return std::nullopt;
}

std::optional<std::string> takeGraphOptions(std::vector<std::string>& args, GraphRequest& request) {
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string a = args[i];
        if (a == "--") {
            rest.insert(rest.end(), args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
            break;
        }
        std::string name = a, value;
        bool inlineValue = false;
        if (const auto eq = a.find('='); a.starts_with("--") && eq != std::string::npos) {
            name = a.substr(0, eq), value = a.substr(eq + 1), inlineValue = true;
        }
        if (name == "--3d") {
            if (inlineValue)
                return "--3d takes no value";
            request.threeD = true;
            continue;
        }
        if (name != "--graph" && name != "--size") {
            rest.push_back(a);
            continue;
        }
        if (!inlineValue) {
            if (i + 1 >= args.size())
                return name + " needs a value";
            value = args[++i];
        }
        if (name == "--graph") {
            const auto format = imageFormatFor(value);
            if (!format)
                return "--graph takes a file name ending in .png or .svg";
            request.file = value;
            request.format = *format;
        } else {
            const auto size = parseImageSize(value);
            if (!size)
                return "--size takes WIDTHxHEIGHT, 16 to 10000 pixels each";
            request.width = size->first;
            request.height = size->second;
        }
    }
    if ((request.threeD || request.width != 1200 || request.height != 800) && !request.file)
        return "--3d and --size need --graph";
    args = std::move(rest);
    return std::nullopt;
}
