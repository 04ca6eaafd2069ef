#pragma once
// The print model written straight to a PDF file in a fixed-pitch TrueType font: Letter or
// A4 pages with a quarter-inch margin, every character on its cell of the character grid,
// one string per line. Each page of the printout fits its sheet (printGrid). The font is embedded
// cut down to the glyphs used, and the pages and the font are compressed. The pages have the
// geometry the Qt printer gives the same printout (cell width, line height and baseline from the
// font's own metrics), without a display or a font service.
#include <array>
#include <cstdio>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "Paper.h"
#include "Printer.h"

class TrueTypeFont;

class PdfPrinter : public Printer {
  public:
    // A printout to `path` in `font` on `paper`; nothing is written before the document ends.
    PdfPrinter(std::string path, std::shared_ptr<const TrueTypeFont> font, Paper paper);
    ~PdfPrinter() override;
    // The printout font found on this system (printoutFontPath()); nullptr when it is not
    // installed or cannot be read, and the printout is left to a printer that has a font
    // service to find another.
    static std::unique_ptr<PdfPrinter> open(std::string path, Paper paper = Paper::Letter);
    // That font, read once; nullptr when there is none.
    static std::shared_ptr<const TrueTypeFont> printoutFont();

    // Choices 1-3: 10, 11 or 12 points; anything else the 10 points of the standard font.
    bool selectFont(int fontChoice) override;
    // The file could not be written.
    bool failed() const override { return failed_; }

  protected:
    void emitLine(std::string_view line) override;
    void emitPageBreak() override;
    void emitEndDocument() override;

  private:
    struct Compressor;
    void startPage();
    void finishPage();
    int glyphWidth() const;
    void setPageFont();
    void appendCode(char32_t c); // to the page's text
    void beginObject(int number);
    void writeStream(std::string_view data, std::string_view extraKeys = {});
    void writeFontObjects();
    void flush(); // what is ready, to the file
    void writeTrailer(int objects);

    std::string path_;
    std::shared_ptr<const TrueTypeFont> font_;
    PaperSize paper_;
    std::unique_ptr<Compressor> compressor_;
    std::FILE* file_ = nullptr;        // opened with the first piece written
    std::size_t written_ = 0;          // bytes of the file written out
    std::string out_;                  // the file's next bytes
    std::string page_;                 // the content of the page being drawn
    std::vector<std::size_t> offsets_; // where each object starts, by its number
    std::vector<int> pageObjects_;
    std::vector<std::uint16_t> asciiGlyphs_; // the glyph of each ASCII character
    std::array<bool, 128> asciiUsed_{};
    std::vector<char32_t> wideChars_; // the other characters drawn, by their codes
    std::unordered_map<char32_t, std::uint16_t> wideCodes_;
    std::vector<char32_t> chars_; // the line being drawn, reused
    double points_ = 10;          // font size
    PrintGrid grid_;              // for that size
    double pageFontPoints_ = 0;   // the size the page's text is set in now, 0 none yet
    bool placed_ = false;         // the text position is at the last line drawn
    int line_ = 0;                // the next line's place on the sheet, from 0
    bool begun_ = false;
    bool pageOpen_ = false;
    bool breakPending_ = false;
    bool failed_ = false;
};
