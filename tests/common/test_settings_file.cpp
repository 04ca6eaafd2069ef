// Reading and writing the personal settings file.
#include <gtest/gtest.h>

#include "SettingsFile.h"

TEST(SettingsFile, ReadsWhatIsThereAndDefaultsTheRest) {
    const struct { const char* text; bool complete; const char* symbol; int font; const char* name; } cases[] = {
        {"\"$\",1,\"Ann Lee\"\r\n", true, "$", 1, "Ann Lee"},
        {"\"EU\",3,\"Bo\"\n", true, "EU", 3, "Bo"}, {"\"EU\",2,\"Bo\"", true, "EU", 2, "Bo"},  // LF, no line end
        {"\"\",3,\"Al\"\r\n", true, "$", 3, "Al"},        // an empty symbol becomes $
        {"", false, "$", 0, ""},                          // no file
        {"\"EU\",2", false, "EU", 2, ""},                 // short
        {"\"EU\",2,\"Ann", false, "EU", 2, ""},           // name never closed
        {"\"EU\",x,\"Bob\"", false, "EU", 0, ""}, {"\"EU\",7,\"Bob\"", false, "EU", 0, ""},  // bad font, not 0-3
        {"\"EU\"junk,1,\"Bob\"", false, "$", 0, ""},      // damaged first field
        {"\"\",2", false, "$", 2, ""},                    // empty symbol in a short file
    };
    for (const auto& c : cases) {
        const SettingsRead r = parseSettings(c.text);
        EXPECT_EQ(r.complete, c.complete) << c.text;
        EXPECT_EQ(r.settings.currencySymbol, c.symbol) << c.text;
        EXPECT_EQ(r.settings.printerFontChoice, c.font) << c.text;
        EXPECT_EQ(r.settings.userName, c.name) << c.text;
    }
}

TEST(SettingsFile, WritesOneQuotedLineThatReadsBack) {
    EXPECT_EQ(formatSettings(PersonalSettings{}), "\"$\",0,\"\"\r\n");
    const PersonalSettings s{"\u20ac", 3, "Lee, Ann  "};
    EXPECT_EQ(formatSettings(s), "\"\u20ac\",3,\"Lee, Ann  \"\r\n");
    EXPECT_EQ(parseSettings(formatSettings(s)).settings.userName, s.userName);
}
