#include "PdfPrinter.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "FileText.h"
#include "TrueTypeFont.h"

namespace {

// Letter paper, in points; a quarter inch all round.
constexpr double PageWidth = 612;
constexpr double PageHeight = 792;
constexpr double Margin = 18;
constexpr double PrintableHeight = PageHeight - 2 * Margin;

// The objects that come before the pages.
constexpr int CatalogObject = 1;
constexpr int PagesObject = 2;
constexpr int InfoObject = 3;
constexpr int FontObject = 4;
constexpr int CidFontObject = 5;
constexpr int DescriptorObject = 6;
constexpr int FontFileObject = 7;
constexpr int ToUnicodeObject = 8;
constexpr int FirstPageObject = 9;

// Written out in pieces of about this size.
constexpr std::size_t FlushSize = 64 * 1024;

void appendNumber(std::string& out, double value) {
    char text[32];
    char* end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 3).ptr;
    while (end[-1] == '0')
        --end;
    if (end[-1] == '.')
        --end;
    if (end - text == 2 && text[0] == '-' && text[1] == '0')
        out += '0';
    else
        out.append(text, end);
}

void appendInt(std::string& out, long long value) {
    char text[24];
    out.append(text, std::to_chars(text, text + sizeof text, value).ptr);
}

// A length given in thousandths, as a decimal number.
void appendThousandths(std::string& out, long long value) {
    if (value < 0) {
        out += '-';
        value = -value;
    }
    appendInt(out, value / 1000);
    if (const long long fraction = value % 1000; fraction != 0) {
        char digits[4] = {char('0' + fraction / 100), char('0' + fraction / 10 % 10),
                          char('0' + fraction % 10), 0};
        std::size_t length = 3;
        while (digits[length - 1] == '0')
            --length;
        out += '.';
        out.append(digits, length);
    }
}

void appendHex4(std::string& out, unsigned value) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    for (int shift = 12; shift >= 0; shift -= 4)
        out += Digits[(value >> shift) & 0xF];
}

// The characters of a UTF-8 line; a broken sequence counts as one U+FFFD per byte.
void decodeUtf8(std::string_view text, std::vector<char32_t>& chars) {
    chars.clear();
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80    ? 1
                           : lead >= 0xF0 ? 4
                           : lead >= 0xE0 ? 3
                           : lead >= 0xC0 ? 2
                                          : 0;
        char32_t c = length == 1 ? lead : length == 2 ? lead & 0x1F : lead & (0x7F >> length);
        bool whole = length > 0 && i + std::size_t(length) <= text.size();
        for (int k = 1; whole && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + std::size_t(k)]);
            whole = (next & 0xC0) == 0x80;
            c = c << 6 | (next & 0x3F);
        }
        chars.push_back(whole ? c : U'\uFFFD');
        i += whole ? std::size_t(length) : 1;
    }
}

} // namespace

PdfPrinter::PdfPrinter(std::string path, std::shared_ptr<const TrueTypeFont> font)
    : path_(std::move(path)), font_(std::move(font)), offsets_(FirstPageObject, 0),
      charOfGlyph_(std::size_t(font_->glyphCount()), 0), asciiGlyphs_(128) {
    for (char32_t c = 0; c < 128; ++c)
        asciiGlyphs_[c] = font_->glyphOf(c);
    out_.reserve(FlushSize + FlushSize / 2);
    out_ = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
}

PdfPrinter::~PdfPrinter() {
    if (file_)
        std::fclose(file_);
}

std::shared_ptr<const TrueTypeFont> PdfPrinter::printoutFont() {
    static const std::shared_ptr<const TrueTypeFont> font =
        []() -> std::shared_ptr<const TrueTypeFont> {
        const std::string path = printoutFontPath();
        auto bytes = path.empty() ? std::nullopt : readFileText(path);
        auto parsed = bytes ? TrueTypeFont::parse(std::move(*bytes)) : std::nullopt;
        if (!parsed || !parsed->fixedPitch())
            return nullptr;
        return std::make_shared<const TrueTypeFont>(std::move(*parsed));
    }();
    return font;
}

std::unique_ptr<PdfPrinter> PdfPrinter::open(std::string path) {
    auto font = printoutFont();
    return font ? std::make_unique<PdfPrinter>(std::move(path), std::move(font)) : nullptr;
}

bool PdfPrinter::selectFont(int fontChoice) {
    points_ = fontChoice >= 1 && fontChoice <= 3 ? 9 + fontChoice : 10;
    return !failed_;
}

std::uint16_t PdfPrinter::glyphOf(char32_t c) {
    const std::uint16_t glyph = c < 128 ? asciiGlyphs_[c] : font_->glyphOf(c);
    if (charOfGlyph_[glyph] == 0)
        charOfGlyph_[glyph] = c;
    return glyph;
}

void PdfPrinter::startPage() {
    page_ = "BT\n";
    pageFontPoints_ = 0;
    runX_ = 0;
    runY_ = 0;
    pageOpen_ = true;
    y_ = 0;
}

void PdfPrinter::finishPage() {
    if (!pageOpen_)
        return;
    page_ += "ET\n";
    const int pageObject = FirstPageObject + 2 * int(pageObjects_.size());
    pageObjects_.push_back(pageObject);
    beginObject(pageObject);
    out_ += "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Resources << /Font << /F1 4 "
            "0 R >> >> /Contents ";
    appendInt(out_, pageObject + 1);
    out_ += " 0 R >>\nendobj\n";
    beginObject(pageObject + 1);
    out_ += "<< /Length ";
    appendInt(out_, static_cast<long long>(page_.size()));
    out_ += " >>\nstream\n";
    out_ += page_;
    out_ += "endstream\nendobj\n";
    pageOpen_ = false;
    if (out_.size() >= FlushSize)
        flush();
}

void PdfPrinter::flush() {
    if (!file_ && !failed_) {
        file_ = std::fopen(path_.c_str(), "wb");
        failed_ = file_ == nullptr;
    }
    if (file_ && std::fwrite(out_.data(), 1, out_.size(), file_) != out_.size())
        failed_ = true;
    written_ += out_.size();
    out_.clear();
}

void PdfPrinter::emitLine(std::string_view line) {
    if (!begun_) {
        begun_ = true;
        startPage();
    } else if (breakPending_) {
        breakPending_ = false;
        finishPage();
        startPage();
    }
    const double scale = points_ / font_->unitsPerEm();
    const double lineSpacing = (font_->ascender() - font_->descender() + font_->lineGap()) * scale;
    if (y_ > 0 && y_ + lineSpacing > PrintableHeight) {
        // A page fuller than the sheet runs on to the next sheet, as a printer does.
        finishPage();
        startPage();
    }
    const double baseline = y_ + font_->ascender() * scale;
    decodeUtf8(line, chars_);
    for (std::size_t column = 0; column < chars_.size();) {
        if (chars_[column] == U' ') {
            ++column;
            continue;
        }
        std::size_t end = column;
        while (end < chars_.size() && chars_[end] != U' ')
            ++end;
        placeRun(chars_, column, end, baseline);
        column = end;
    }
    y_ += lineSpacing;
}

void PdfPrinter::placeRun(const std::vector<char32_t>& chars, std::size_t first, std::size_t end,
                          double baseline) {
    if (pageFontPoints_ != points_) {
        page_ += "/F1 ";
        appendNumber(page_, points_);
        page_ += " Tf\n";
        pageFontPoints_ = points_;
    }
    const double cell = font_->advanceOf(asciiGlyphs_[U'M']) * points_ / font_->unitsPerEm();
    // Each run moves from where the run before it started.
    // In thousandths of a point, so that the moves add up to the very places.
    const long long x = std::llround((Margin + double(first) * cell) * 1000);
    const long long y = std::llround((PageHeight - Margin - baseline) * 1000);
    appendThousandths(page_, x - runX_);
    page_ += ' ';
    appendThousandths(page_, y - runY_);
    page_ += " Td <";
    runX_ = x;
    runY_ = y;
    for (std::size_t i = first; i < end; ++i)
        appendHex4(page_, glyphOf(chars[i]));
    page_ += "> Tj\n";
}

// The new page is started by the next line, so a break at the end leaves no empty page.
void PdfPrinter::emitPageBreak() {
    if (begun_)
        breakPending_ = true;
}

void PdfPrinter::emitEndDocument() {
    if (!begun_)
        startPage(); // a document has at least one sheet
    breakPending_ = false;
    finishPage();
    beginObject(CatalogObject);
    out_ += "<< /Type /Catalog /Pages 2 0 R >>\nendobj\n";
    beginObject(PagesObject);
    out_ += "<< /Type /Pages /Kids [";
    for (int page : pageObjects_) {
        appendInt(out_, page);
        out_ += " 0 R ";
    }
    out_ += "] /Count ";
    appendInt(out_, static_cast<long long>(pageObjects_.size()));
    out_ += " >>\nendobj\n";
    beginObject(InfoObject);
    out_ += "<< /Title (Pecunex printout) /Producer (Pecunex) >>\nendobj\n";
    writeFontObjects();
    writeTrailer(FirstPageObject + 2 * int(pageObjects_.size()));

    flush();
    if (file_ && std::fclose(file_) != 0)
        failed_ = true;
    file_ = nullptr;
}

std::size_t PdfPrinter::beginObject(int number) {
    if (offsets_.size() <= std::size_t(number))
        offsets_.resize(std::size_t(number) + 1, 0);
    offsets_[std::size_t(number)] = written_ + out_.size();
    appendInt(out_, number);
    out_ += " 0 obj\n";
    return out_.size();
}

void PdfPrinter::writeFontObjects() {
    const TrueTypeFont& f = *font_;
    const double toText = 1000.0 / f.unitsPerEm(); // font units to text space
    const auto units = [&](int value) {
        std::string s;
        appendNumber(s, value * toText);
        return s;
    };
    const std::string name = "/" + f.postScriptName();

    beginObject(FontObject);
    out_ += "<< /Type /Font /Subtype /Type0 /BaseFont " + name +
            " /Encoding /Identity-H /DescendantFonts [5 0 R] /ToUnicode 8 0 R >>\nendobj\n";

    // Widths in whole units, cut down: a glyph then ends a hair before its cell does, and a
    // text reader that counts the blanks of a gap by its width finds every one of them.
    const auto width = [&](std::uint16_t glyph) {
        return static_cast<long long>(f.advanceOf(glyph) * toText);
    };
    beginObject(CidFontObject);
    out_ += "<< /Type /Font /Subtype /CIDFontType2 /BaseFont " + name +
            " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >> "
            "/FontDescriptor 6 0 R /CIDToGIDMap /Identity /DW ";
    appendInt(out_, width(asciiGlyphs_[U'M'])); // the blank, never drawn, among them
    out_ += " /W [";
    for (std::size_t glyph = 0; glyph < charOfGlyph_.size(); ++glyph)
        if (charOfGlyph_[glyph] != 0) {
            appendInt(out_, static_cast<long long>(glyph));
            out_ += " [";
            appendInt(out_, width(std::uint16_t(glyph)));
            out_ += "] ";
        }
    out_ += "] >>\nendobj\n";

    beginObject(DescriptorObject);
    const auto& box = f.boundingBox();
    out_ += "<< /Type /FontDescriptor /FontName " + name + " /Flags ";
    appendInt(out_, f.fixedPitch() ? 33 : 32); // non-symbolic, fixed pitch
    out_ += " /FontBBox [" + units(box[0]) + " " + units(box[1]) + " " + units(box[2]) + " " +
            units(box[3]) + "] /ItalicAngle ";
    appendInt(out_, f.italicAngle());
    out_ += " /Ascent " + units(f.ascender()) + " /Descent " + units(f.descender()) +
            " /CapHeight " + units(f.capHeight()) + " /StemV 80 /FontFile2 7 0 R >>\nendobj\n";

    beginObject(FontFileObject);
    out_ += "<< /Length ";
    appendInt(out_, static_cast<long long>(f.file().size()));
    out_ += " /Length1 ";
    appendInt(out_, static_cast<long long>(f.file().size()));
    out_ += " >>\nstream\n";
    out_ += f.file();
    out_ += "\nendstream\nendobj\n";

    // Which characters the glyphs show, for copying and searching the text.
    std::string map = "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                      "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                      "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
                      "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
    std::vector<std::size_t> used;
    for (std::size_t glyph = 1; glyph < charOfGlyph_.size(); ++glyph)
        if (charOfGlyph_[glyph] != 0)
            used.push_back(glyph);
    for (std::size_t at = 0; at < used.size(); at += 100) {
        const std::size_t block = std::min<std::size_t>(100, used.size() - at);
        appendInt(map, static_cast<long long>(block));
        map += " beginbfchar\n";
        for (std::size_t k = at; k < at + block; ++k) {
            const char32_t c = charOfGlyph_[used[k]];
            map += '<';
            appendHex4(map, unsigned(used[k]));
            map += "> <";
            if (c > 0xFFFF) {
                appendHex4(map, 0xD800 + ((c - 0x10000) >> 10));
                appendHex4(map, 0xDC00 + ((c - 0x10000) & 0x3FF));
            } else {
                appendHex4(map, unsigned(c));
            }
            map += ">\n";
        }
        map += "endbfchar\n";
    }
    map += "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
    beginObject(ToUnicodeObject);
    out_ += "<< /Length ";
    appendInt(out_, static_cast<long long>(map.size()));
    out_ += " >>\nstream\n" + map + "endstream\nendobj\n";
}

void PdfPrinter::writeTrailer(int objects) {
    const std::size_t xref = written_ + out_.size();
    out_ += "xref\n0 ";
    appendInt(out_, objects);
    out_ += "\n0000000000 65535 f \n";
    for (int number = 1; number < objects; ++number) {
        char digits[24];
        char* end =
            std::to_chars(digits, digits + sizeof digits, offsets_[std::size_t(number)]).ptr;
        out_.append(std::size_t(10 - (end - digits)), '0');
        out_.append(digits, end);
        out_ += " 00000 n \n";
    }
    out_ += "trailer\n<< /Size ";
    appendInt(out_, objects);
    out_ += " /Root 1 0 R /Info 3 0 R >>\nstartxref\n";
    appendInt(out_, static_cast<long long>(xref));
    out_ += "\n%%EOF\n";
}
