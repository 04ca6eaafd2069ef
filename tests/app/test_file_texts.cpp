// Text in every file the program reads: ours are UTF-8, older ones were written one byte a
// character in Windows-1252. Both read as the same characters, with or without a byte-order
// mark, and are written back as UTF-8 — no character is dropped or turned into U+FFFD.
#include <gtest/gtest.h>

#include <functional>

#include "BudgetFile.h"
#include "NetWorthFile.h"
#include "SettingsFile.h"
#include "TextEncoding.h"

namespace {

// "Café € ’" in UTF-8, and the same three accented characters as Windows-1252 bytes
// (é E9, € 80, ’ 92 — the code page's own table).
const std::string Utf8 = "Caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x99";
const std::string Cp1252 = "Caf\xE9 \x80 \x92";
const std::string Bom = "\xEF\xBB\xBF";

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos);
    return text.replace(at, from.size(), to);
}

// A reader: the file text a writer makes for a text item, and that item read back from a
// file text (with what the writer makes of it again).
struct Reader {
    const char* name;
    std::function<std::string(const std::string&)> write;
    std::function<std::string(const std::string&)> readItem;
};

const Reader Readers[] = {
    {"budget description",
     [](const std::string& text) {
         BudgetTables t;
         t.IncomeRecords[1] = {1, text, Currency::fromWhole(1200), Currency::fromWhole(12),
                               Currency::fromWhole(1200)};
         t.IncomeCount = 1;
         return writeBudgetFile(t);
     },
     [](const std::string& file) {
         const BudgetFileRead read = readBudgetFile(file);
         return read.error ? std::string("<refused>") : read.tables.IncomeRecords[1].Description;
     }},
    {"net worth line",
     [](const std::string& text) {
         NetWorthTables t;
         t.AssetRows[1] = {text, 5.0};
         t.AssetCount = 1;
         return writeNetWorthFile(t);
     },
     [](const std::string& file) {
         const auto read = readNetWorthFile(file);
         return read ? read.value().AssetRows[1].name : std::string("<refused>");
     }},
    {"settings name",
     [](const std::string& text) {
         return formatSettings({"$", 0, text});
     },
     [](const std::string& file) { return parseSettings(file).settings.userName; }},
};

TEST(FileTexts, EveryReaderTakesUtf8AndWindows1252AndWritesUtf8) {
    for (const Reader& reader : Readers) {
        SCOPED_TRACE(reader.name);
        const std::string ours = reader.write(Utf8);
        ASSERT_NE(ours.find(Utf8), std::string::npos) << "written as UTF-8";
        const std::string old = replaced(ours, Utf8, Cp1252);
        for (const std::string& file : {ours, old, Bom + ours, Bom + old}) {
            const std::string item = reader.readItem(file);
            EXPECT_EQ(item, Utf8);
            EXPECT_EQ(reader.write(item), ours) << "saved again";
        }
    }
}

// The currency symbol of an old settings file: "€" was the byte 80; an unassigned byte of the
// code page is a control character, which no key types, so the symbol falls back to "$".
TEST(FileTexts, OldSettingsSymbol) {
    EXPECT_EQ(
        parseSettings(replaced(formatSettings({"x", 0, ""}), "x", "\x80")).settings.currencySymbol,
        "\xE2\x82\xAC");
    EXPECT_EQ(
        parseSettings(replaced(formatSettings({"x", 0, ""}), "x", "\x81")).settings.currencySymbol,
        "$");
}

// Bytes that only look like UTF-8 are old text too, each byte one character (Windows-1252
// table); well-formed UTF-8 up to four bytes passes unchanged.
TEST(FileTexts, MalformedUtf8IsReadByteForByte) {
    const std::pair<std::string, std::string> rows[] = {
        {"\xC0\xAF", "\xC3\x80\xC2\xAF"},                                 // overlong "/"
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},                 // a surrogate
        {"\xE2\x82", "\xC3\xA2\xE2\x80\x9A"},                             // cut short
        {"\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC"}, // above U+10FFFF
        {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},                         // U+1F600, well-formed
    };
    for (const auto& [bytes, text] : rows)
        EXPECT_EQ(utf8FromFileText(bytes), text) << bytes;
}

} // namespace
