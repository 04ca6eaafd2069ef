#pragma once
// The graph options of the batch report: --graph OUT.png|OUT.svg, --3d, --size WxH.
#include <optional>
#include <string>
#include <string_view>

enum class ImageFormat { Png, Svg };

struct GraphRequest {
    std::optional<std::string> file; // no graph when empty
    ImageFormat format = ImageFormat::Png;
    bool threeD = false;
    int width = 1200;
    int height = 800;
};

// "1200x800" -> {1200, 800}; each side 16 to 10000 pixels.
std::optional<std::pair<int, int>> parseImageSize(std::string_view text);

// The format an image file name asks for by its extension (.png or .svg, any case).
std::optional<ImageFormat> imageFormatFor(std::string_view fileName);

// --graph, --size (each with a value) and --3d (without).
bool isGraphOption(std::string_view name);

// Sets what the option `name` names from `value` (ignored for --3d). Returns the reason
// when the value is refused (the text names the option).
std::optional<std::string> setGraphOption(GraphRequest& request, std::string_view name,
                                          std::string_view value);

// The reason a finished request is refused (--3d or --size without --graph), or nothing.
std::optional<std::string> graphRequestProblem(const GraphRequest& request);
