// Reading and writing the personal settings file.
#include <gtest/gtest.h>

#include <string>

#include "SettingsFile.h"

TEST(SettingsFile, ReadsWhatIsThereAndDefaultsTheRest) {
    const struct {
        const char* text;
        bool complete;
        const char* symbol;
        int font;
        const char* name;
    } cases[] = {
        {"\"$\",1,\"Ann Lee\"\r\n", true, "$", 1, "Ann Lee"},
        {"\"EU\",3,\"Bo\"\n", true, "EU", 3, "Bo"},
        {"\"EU\",2,\"Bo\"", true, "EU", 2, "Bo"},  // LF, no line end
        {"\"\",3,\"Al\"\r\n", true, "$", 3, "Al"}, // an empty symbol becomes $
        {"", false, "$", 0, ""},                   // no file
        {"\"EU\",2", false, "EU", 2, ""},          // short
        {"\"EU\",2,\"Ann", false, "EU", 2, ""},    // name never closed
        {"\"EU\",x,\"Bob\"", false, "EU", 0, ""},
        {"\"EU\",7,\"Bob\"", false, "EU", 0, ""},    // bad font, not 0-3
        {"\"EU\"junk,1,\"Bob\"", false, "$", 0, ""}, // damaged first field
        {"\"\",2", false, "$", 2, ""},               // empty symbol in a short file
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

// The symbol as stored must be one Personalize lets a user type: at most two characters and
// no control characters; anything else opens as "$" and the rest of the file still reads.
TEST(SettingsFile, ASymbolNoOneCouldTypeFallsBackToTheDefault) {
    const struct {
        std::string symbol;
        const char* read;
        const char* why;
    } cases[] = {
        {"R$", "R$", "two characters"},
        {"\u20ac\u20ac", "\u20ac\u20ac", "two characters of three bytes each"},
        {"\u00a3", "\u00a3", "one two-byte character"},
        {"EUR", "$", "three characters"},
        {"\u20ac\u20ac\u20ac", "$", "three characters"},
        {"\t$", "$", "a tab"},
        {"\x0c", "$", "a form feed"},
        {"$\x7f", "$", "DEL"},
        {"\xc2\x85", "$", "a C1 control (NEL)"},
        {"\xef\xbb\xbf$", "$", "a byte-order mark"},
        {"\xff", "$", "a byte that is no UTF-8"},
        {"\xe2\x82", "$", "a character cut short"},
        {"\xc0\xa4", "$", "an overlong form"},
    };
    for (const auto& c : cases) {
        const SettingsRead r = parseSettings("\"" + c.symbol + "\",2,\"Bo\"\r\n");
        EXPECT_EQ(r.settings.currencySymbol, c.read) << c.why;
        EXPECT_EQ(r.settings.userName, "Bo") << c.why;
        EXPECT_TRUE(r.complete) << c.why;
    }
    // The font choice just inside and outside 0-3.
    EXPECT_EQ(parseSettings("\"$\",3,\"Bo\"").settings.printerFontChoice, 3);
    EXPECT_FALSE(parseSettings("\"$\",4,\"Bo\"").complete);
    EXPECT_EQ(parseSettings("\"$\",0,\"Bo\"").settings.printerFontChoice, 0);
    EXPECT_FALSE(parseSettings("\"$\",-1,\"Bo\"").complete);
    // A byte-order mark an editor put at the start of the file is skipped.
    const SettingsRead bom = parseSettings("\xef\xbb\xbf\"EU\",1,\"Bo\"\r\n");
    EXPECT_TRUE(bom.complete);
    EXPECT_EQ(bom.settings.currencySymbol, "EU");
}
