#pragma once
// The print model written straight to a PDF file in a fixed-pitch TrueType font: Letter
// pages with a quarter-inch margin, every character on its cell of the character grid, one
// text run per stretch of non-blank characters, the font file embedded whole. The pages
// have the geometry the Qt printer gives the same printout (cell width, line height and
// baseline from the font's own metrics), without a display, a font service or compression.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "Printer.h"

class TrueTypeFont;

class PdfPrinter : public Printer {
  public:
    // A printout to `path` in `font`; nothing is written before the document ends.
    PdfPrinter(std::string path, std::shared_ptr<const TrueTypeFont> font);
    ~PdfPrinter() override;
    // The printout font found on this system (printoutFontPath()); nullptr when it is not
    // installed or cannot be read, and the printout is left to a printer that has a font
    // service to find another.
    static std::unique_ptr<PdfPrinter> open(std::string path);
    // That font, read once; nullptr when there is none.
    static std::shared_ptr<const TrueTypeFont> printoutFont();

    // Choices 1-3: 10, 11 or 12 points; anything else the 10 points of the standard font.
    bool selectFont(int fontChoice) override;
    // The file could not be written.
    bool failed() const { return failed_; }

  protected:
    void emitLine(std::string_view line) override;
    void emitPageBreak() override;
    void emitEndDocument() override;

  private:
    void startPage();
    void finishPage();
    void placeRun(const std::vector<char32_t>& chars, std::size_t first, std::size_t end,
                  double baseline);
    std::uint16_t glyphOf(char32_t c);
    std::size_t beginObject(int number);
    void writeFontObjects();
    void flush(); // what is ready, to the file
    void writeTrailer(int objects);

    std::string path_;
    std::shared_ptr<const TrueTypeFont> font_;
    std::FILE* file_ = nullptr;        // opened with the first piece written
    std::size_t written_ = 0;          // bytes of the file written out
    std::string out_;                  // the file's next bytes
    std::string page_;                 // the content of the page being drawn
    std::vector<std::size_t> offsets_; // where each object starts, by its number
    std::vector<int> pageObjects_;
    std::vector<char32_t> charOfGlyph_; // the character each used glyph shows, 0 unused
    std::vector<std::uint16_t> asciiGlyphs_;
    std::vector<char32_t> chars_; // the line being drawn, reused
    double points_ = 10;          // font size
    double pageFontPoints_ = 0;   // the size the page's text is set in now, 0 none yet
    long long runX_ = 0;          // where the last run started, in thousandths of a point
    long long runY_ = 0;
    double y_ = 0; // top of the next line, from the top of the printable area
    bool begun_ = false;
    bool pageOpen_ = false;
    bool breakPending_ = false;
    bool failed_ = false;
};
