#pragma once
// A TrueType font file read just far enough to set text in it and embed it in a PDF: its
// metrics, the glyph of a character, the advance of a glyph, and the font cut down to the
// glyphs a document uses.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class TrueTypeFont {
  public:
    // The font in `file`'s bytes; nullopt when they are not a TrueType font this reader
    // understands (a collection, a CFF font, missing or cut tables).
    static std::optional<TrueTypeFont> parse(std::string file);

    const std::string& file() const { return file_; }
    const std::string& postScriptName() const { return postScriptName_; }

    // Metrics in font units.
    int unitsPerEm() const { return unitsPerEm_; }
    int ascender() const { return ascender_; }
    int descender() const { return descender_; } // below the baseline: negative
    int lineGap() const { return lineGap_; }
    int capHeight() const { return capHeight_; }
    int italicAngle() const { return italicAngle_; }
    bool fixedPitch() const { return fixedPitch_; }
    const std::array<int, 4>& boundingBox() const { return bbox_; } // xMin yMin xMax yMax

    // The glyph that shows `c`; 0 (the missing-character glyph) when the font has none.
    std::uint16_t glyphOf(char32_t c) const;
    int glyphCount() const { return glyphCount_; }
    // Advance width of a glyph in font units.
    int advanceOf(std::uint16_t glyph) const;

    // The font file with only `glyphs` (and the missing-character glyph) left in it, each at
    // its own glyph number, `characters` mapped to theirs, no hinting: HarfBuzz's subsetter
    // cuts it. nullopt when it cannot.
    std::optional<std::string> subset(const std::vector<std::uint16_t>& glyphs,
                                      const std::vector<char32_t>& characters) const;

  private:
    TrueTypeFont() = default;
    std::uint16_t glyphFromSegments(char32_t c) const; // cmap format 4
    std::uint16_t glyphFromGroups(char32_t c) const;   // cmap format 12

    std::string file_;
    std::string postScriptName_;
    int unitsPerEm_ = 0;
    int ascender_ = 0;
    int descender_ = 0;
    int lineGap_ = 0;
    int capHeight_ = 0;
    int italicAngle_ = 0;
    bool fixedPitch_ = false;
    std::array<int, 4> bbox_{};
    std::size_t hmtx_ = 0; // offsets into the file
    int longMetrics_ = 0;  // advances the hmtx table lists; the rest repeat the last
    int glyphCount_ = 0;
    std::size_t cmap_ = 0; // the Unicode subtable
    int cmapFormat_ = 0;   // 4 or 12
};

// The printout font's file: Courier New where it is installed, else its metric twin
// Liberation Mono, searched in the user's and the system's data folders as the desktop
// does (XDG_DATA_HOME, then XDG_DATA_DIRS). Empty when neither is installed.
std::string printoutFontPath();
