// The graph options of the batch report.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GraphOptions.h"

TEST(GraphOptions, TakenOutOfTheArgumentsInEitherForm) {
    std::vector<std::string> args{"mortgage", "--graph",        "out.png", "a.umd",
                                  "--3d",     "--size=640x480", "--csv"};
    GraphRequest r;
    EXPECT_FALSE(takeGraphOptions(args, r));
    EXPECT_EQ(args, (std::vector<std::string>{"mortgage", "a.umd", "--csv"}));
    EXPECT_EQ(r.file.value_or(""), "out.png");
    EXPECT_EQ(r.format, ImageFormat::Png);
    EXPECT_TRUE(r.threeD);
    EXPECT_EQ(r.width * 10000 + r.height, 6400480);

    std::vector<std::string> svg{"--graph=Chart.SVG", "loan", "--", "--3d"};
    GraphRequest s;
    EXPECT_EQ(takeGraphOptions(svg, s).value_or("accepted"), "accepted");
    EXPECT_EQ(s.format, ImageFormat::Svg);
    EXPECT_FALSE(s.threeD); // after "--" it is a file name
    EXPECT_EQ(s.width * 10000 + s.height, 12000800);
    EXPECT_EQ(svg, (std::vector<std::string>{"loan", "--", "--3d"}));
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
        {{"--graph", "a.png", "--3d=yes"}, "--3d takes no value"},
    };
    for (auto c : cases) {
        SCOPED_TRACE(c.reason);
        GraphRequest r;
        EXPECT_EQ(takeGraphOptions(c.args, r).value_or("accepted"), c.reason);
    }
    EXPECT_EQ(parseImageSize("16X10000").value_or(std::pair{0, 0}), (std::pair{16, 10000}));
}
