#pragma once
// The graph options of the batch report: --graph OUT.png|OUT.svg, --3d, --size WxH.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// Takes the graph options (also in their --opt=value form) out of `args`, leaving the rest
// in order; stops at "--". Returns the reason of a usage error, or nothing.
std::optional<std::string> takeGraphOptions(std::vector<std::string>& args, GraphRequest& request);
