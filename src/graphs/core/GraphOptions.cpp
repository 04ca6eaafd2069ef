#include "GraphOptions.h"

#include <charconv>

#include "FileText.h"

namespace {

std::optional<int> side(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < 16 || value > 10000)
        return std::nullopt;
    return value;
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

bool isGraphOption(std::string_view name) {
    return name == "--graph" || name == "--size" || name == "--3d";
}

std::optional<std::string> setGraphOption(GraphRequest& request, std::string_view name,
                                          std::string_view value) {
    if (name == "--3d") {
        request.threeD = true;
    } else if (name == "--graph") {
        const auto format = imageFormatFor(value);
        if (!format)
            return "--graph takes a file name ending in .png or .svg";
        request.file = std::string(value);
        request.format = *format;
    } else if (name == "--size") {
        const auto size = parseImageSize(value);
        if (!size)
            return "--size takes WIDTHxHEIGHT, 16 to 10000 pixels each";
        request.width = size->first;
        request.height = size->second;
    }
    return std::nullopt;
}

std::optional<std::string> graphRequestProblem(const GraphRequest& request) {
    if ((request.threeD || request.width != 1200 || request.height != 800) && !request.file)
        return "--3d and --size need --graph";
    return std::nullopt;
}
