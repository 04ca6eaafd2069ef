// Reading and writing the personal settings file.
#include <gtest/gtest.h>

#include "SettingsFile.h"

namespace {

TEST(SettingsRead, CompleteLine) {
    const SettingsRead r = parseSettings("\"$\",1,\"Ann Lee\"\r\n");
    EXPECT_TRUE(r.complete);
    EXPECT_EQ(r.settings.currencySymbol, "$");
    EXPECT_EQ(r.settings.printerFontChoice, 1);
    EXPECT_EQ(r.settings.userName, "Ann Lee");
}

TEST(SettingsRead, LfOnlyOrNoLineEndIsStillComplete) {
    EXPECT_TRUE(parseSettings("\"EU\",3,\"Bo\"\n").complete);
    const SettingsRead r = parseSettings("\"EU\",3,\"Bo\"");
    EXPECT_TRUE(r.complete);
    EXPECT_EQ(r.settings.printerFontChoice, 3);
}

TEST(SettingsRead, MissingShortOrDamagedKeepsWhatWasReadAndDefaultsTheRest) {
    struct Case {
        const char* text;
        const char* symbol;
        int font;
        const char* name;
    };
    const Case cases[] = {
        {"", "$", 0, ""},                          // no file
        {"\"EU\"", "EU", 0, ""},                   // short
        {"\"EU\",2", "EU", 2, ""},                 // short
        {"\"EU\",2,\"Ann", "EU", 2, ""},           // name never closed
        {"\"EU\",x,\"Bob\"", "EU", 0, ""},         // damaged font
        {"\"EU\",7,\"Bob\"", "EU", 0, ""},         // font outside 0-3
        {"\"EU\"junk,1,\"Bob\"", "$", 0, ""},      // damaged first field
        {"\"\",2", "$", 2, ""},                    // empty symbol becomes $ even when short
    };
    for (const auto& c : cases) {
        const SettingsRead r = parseSettings(c.text);
        EXPECT_FALSE(r.complete) << c.text;
        EXPECT_EQ(r.settings.currencySymbol, c.symbol) << c.text;
        EXPECT_EQ(r.settings.printerFontChoice, c.font) << c.text;
        EXPECT_EQ(r.settings.userName, c.name) << c.text;
    }
}

TEST(SettingsRead, EmptySymbolBecomesDollar) {
    const SettingsRead r = parseSettings("\"\",3,\"Al\"\r\n");
    EXPECT_TRUE(r.complete);
    EXPECT_EQ(r.settings.currencySymbol, "$");
    EXPECT_EQ(r.settings.userName, "Al");
}

TEST(SettingsWrite, OneQuotedLineAndBackAgain) {
    EXPECT_EQ(formatSettings(PersonalSettings{}), "\"$\",0,\"\"\r\n");
    const PersonalSettings s{"\u20ac", 3, "Lee, Ann  "};
    EXPECT_EQ(formatSettings(s), "\"\u20ac\",3,\"Lee, Ann  \"\r\n");
    const SettingsRead back = parseSettings(formatSettings(s));
    EXPECT_TRUE(back.complete);
    EXPECT_EQ(back.settings.currencySymbol, s.currencySymbol);
    EXPECT_EQ(back.settings.printerFontChoice, s.printerFontChoice);
    EXPECT_EQ(back.settings.userName, s.userName);
}

} // namespace
