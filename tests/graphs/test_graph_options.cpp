// The graph options of the batch report, read through the command-line parser the report
// uses for every option.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CommandLine.h"
#include "GraphOptions.h"

namespace {

const std::vector<KnownOption> KnownOptions = {
    {"--graph", true}, {"--size", true}, {"--3d", false}, {"--csv", false}};

// The options as the report applies them: each at its last use, then the final check.
std::string apply(const std::vector<std::string>& args, GraphRequest& r) {
    const Result<CommandLine> line = parseCommandLine(args, KnownOptions);
    if (!line)
        return line.failure().what;
    for (const auto& [name, value] : line->lastUses())
        if (isGraphOption(name))
            if (auto refused = setGraphOption(r, name, value))
                return *refused;
    return graphRequestProblem(r).value_or("accepted");
}

} // namespace

TEST(GraphOptions, ReadInEitherFormAndAnywhere) {
    GraphRequest r;
    EXPECT_EQ(
        apply({"mortgage", "--graph", "out.png", "a.umd", "--3d", "--size=640x480", "--csv"}, r),
        "accepted");
    EXPECT_EQ(r.file.value_or(""), "out.png");
    EXPECT_EQ(r.format, ImageFormat::Png);
    EXPECT_TRUE(r.threeD);
    EXPECT_EQ(r.width * 10000 + r.height, 6400480);

    GraphRequest s;
    EXPECT_EQ(apply({"--graph=Chart.SVG", "loan", "--", "--3d"}, s), "accepted");
    EXPECT_EQ(s.format, ImageFormat::Svg);
    EXPECT_FALSE(s.threeD); // after "--" it is a file name
    EXPECT_EQ(s.width * 10000 + s.height, 12000800);

    // A repeated option: the last counts, and only the last is checked.
    GraphRequest t;
    EXPECT_EQ(
        apply({"--graph", "a.jpg", "--graph", "b.svg", "--size", "1x1", "--size", "20x30"}, t),
        "accepted");
    EXPECT_EQ(t.file.value_or(""), "b.svg");
    EXPECT_EQ(t.width * 10000 + t.height, 200030);
}

TEST(GraphOptions, RefusesWhatCannotBeDrawn) {
    const struct {
        std::vector<std::string> args;
        std::string reason;
    } cases[] = {
        {{"--graph", "out.jpg"}, "--graph takes a file name ending in .png or .svg"},
        {{"--graph"}, "--graph needs a value"},
        {{"--graph", "a.png", "--size", "10x10"},
         "--size takes WIDTHxHEIGHT, 16 to 10000 pixels each"},
        {{"--graph", "a.png", "--size", "12a0x500"},
         "--size takes WIDTHxHEIGHT, 16 to 10000 pixels each"},
        {{"--graph", "a.png", "--size", "800"},
         "--size takes WIDTHxHEIGHT, 16 to 10000 pixels each"},
        {{"--3d"}, "--3d and --size need --graph"},
        {{"--size", "20x20"}, "--3d and --size need --graph"},
        {{"--graph", "a.png", "--3d=yes"}, "--3d takes no value"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        GraphRequest r;
        EXPECT_EQ(apply(c.args, r), c.reason);
    }
    EXPECT_EQ(parseImageSize("16X10000").value_or(std::pair{0, 0}), (std::pair{16, 10000}));
}
