// The printout font read from its file, and the PDF file the printout font's own writer
// makes of a job: objects where the cross-reference table says, glyphs for the characters,
// and a failure reported when the file cannot be written. How the pages read back is
// checked against a PDF reader beside the Qt printer's test.
#include <gtest/gtest.h>

#include <charconv>
#include <filesystem>
#include <string>

#include "FileText.h"
#include "PdfPrinter.h"
#include "TrueTypeFont.h"

namespace fs = std::filesystem;

namespace {

std::shared_ptr<const TrueTypeFont> installedFont() {
    return PdfPrinter::printoutFont();
}

// Courier New and Liberation Mono share their metrics: a 2048-unit em, every glyph
// 1229 units (0.6 em) wide (their hmtx tables).
TEST(TrueTypeFont, ThePrintoutFontHasCourierMetricsAndGlyphs) {
    const auto font = installedFont();
    if (!font)
        GTEST_SKIP() << "printout font not installed";
    EXPECT_EQ(font->unitsPerEm(), 2048);
    EXPECT_TRUE(font->fixedPitch());
    EXPECT_GT(font->ascender(), 0);
    EXPECT_LT(font->descender(), 0);
    const struct {
        char32_t c;
        bool present;
    } table[] = {{U'M', true},      {U'0', true},      {U'$', true},       {U'\u00a3', true},
                 {U'\u20ac', true}, {U'\u03a9', true}, {U'\ue000', false}, {U'\U0001F600', false}};
    for (const auto& row : table) {
        SCOPED_TRACE(static_cast<unsigned>(row.c));
        const std::uint16_t glyph = font->glyphOf(row.c);
        EXPECT_EQ(glyph != 0, row.present);
        if (row.present) {
            EXPECT_EQ(font->advanceOf(glyph), 1229);
        }
    }
    EXPECT_NE(font->glyphOf(U'A'), font->glyphOf(U'B'));
    EXPECT_FALSE(font->postScriptName().empty());
    EXPECT_EQ(font->postScriptName().find(' '), std::string::npos);
}

TEST(TrueTypeFont, RefusesWhatIsNoTrueTypeFont) {
    const auto font = installedFont();
    const std::string whole = font ? font->file() : std::string();
    const struct {
        const char* what;
        std::string bytes;
    } table[] = {
        {"empty", ""},
        {"text", "this is not a font at all, only some words to read"},
        {"a CFF font's header", std::string("OTTO\0\0\0\0", 8)},
        {"a TrueType header and nothing else", std::string("\0\1\0\0\0\x10\0\0", 8)},
        {"the first 300 bytes of the printout font", whole.substr(0, 300)},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.what);
        EXPECT_FALSE(TrueTypeFont::parse(row.bytes));
    }
}

struct PdfFile : ::testing::Test {
    fs::path folder =
        fs::temp_directory_path() /
        ("pecunex-pdf-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    void SetUp() override {
        if (!installedFont())
            GTEST_SKIP() << "printout font not installed";
        fs::create_directories(folder);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }
};

long long numberAt(const std::string& text, std::size_t at) {
    long long value = -1;
    std::from_chars(text.data() + at, text.data() + text.size(), value);
    return value;
}

// Two pages; every object the table lists starts where it says, the table's size counts
// them, and the trailer points at the table.
TEST_F(PdfFile, CrossReferenceTablePointsAtEveryObject) {
    const fs::path file = folder / "two pages.pdf";
    auto printer = PdfPrinter::open(file.string());
    printerSetUp(*printer, 2);
    printer->print({Tab(2), "Page one", Tab(40), "\u20ac1,234.56"});
    printer->newPage();
    printerSetUp(*printer, 2);
    printer->print({Tab(2), "Page two (with) a \\ backslash"});
    printer->endDocument();
    ASSERT_FALSE(printer->failed());
    const std::string pdf = readFileText(file).value();
    ASSERT_EQ(pdf.rfind("%PDF-1.4\n", 0), 0u);
    ASSERT_EQ(pdf.substr(pdf.size() - 6), "%%EOF\n");

    const std::size_t startxref = pdf.rfind("startxref\n");
    const long long xref = numberAt(pdf, startxref + 10);
    ASSERT_EQ(pdf.compare(std::size_t(xref), 7, "xref\n0 "), 0);
    const long long objects = numberAt(pdf, std::size_t(xref) + 7);
    EXPECT_EQ(objects, 14); // 9 for the document and its font, 2 for each page
    EXPECT_NE(pdf.find("/Size 14 "), std::string::npos);
    std::size_t entry = pdf.find('\n', std::size_t(xref) + 7) + 1 + 20; // past object 0
    for (long long number = 1; number < objects; ++number, entry += 20) {
        SCOPED_TRACE(number);
        const std::size_t offset = std::size_t(numberAt(pdf, entry));
        ASSERT_LT(offset, pdf.size());
        EXPECT_EQ(pdf.compare(offset, std::to_string(number).size() + 7,
                              std::to_string(number) + " 0 obj\n"),
                  0);
    }
    EXPECT_NE(pdf.find("/Count 2 "), std::string::npos);
    // The euro sign, the first character past ASCII, has the first two-byte code: it maps
    // back to U+20AC for text readers.
    EXPECT_NE(pdf.find("<8000> <20AC>"), std::string::npos);
}

TEST_F(PdfFile, AFileThatCannotBeWrittenIsAFailure) {
    auto printer = PdfPrinter::open((folder / "no such folder" / "x.pdf").string());
    printerSetUp(*printer, 1);
    printer->print({"text"});
    printer->endDocument();
    EXPECT_TRUE(printer->failed());
    EXPECT_FALSE(fs::exists(folder / "no such folder"));
}

} // namespace
