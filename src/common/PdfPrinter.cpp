#include "PdfPrinter.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <utility>

#include <zlib.h>

#include "FileText.h"
#include "TextEncoding.h"
#include "TrueTypeFont.h"

namespace {

// A quarter inch all round, in points.
constexpr double Margin = 18;

// Speed over the last few per cent of size: a printout's pages repeat themselves so much
// that zlib's fastest level already takes most of them away.
constexpr int CompressionLevel = 1;

// The objects that come before the pages.
constexpr int CatalogObject = 1;
constexpr int PagesObject = 2;
constexpr int InfoObject = 3;
constexpr int FontObject = 4;
constexpr int CidFontObject = 5;
constexpr int DescriptorObject = 6;
constexpr int FontFileObject = 7;
constexpr int ToUnicodeObject = 8;
constexpr int EncodingObject = 9;
constexpr int FirstPageObject = 10;

// The codes of the characters in the page text: ASCII's own single bytes, so the text reads
// as it prints, and two bytes from 0x8000 on for every other character, in the order they
// first appear.
constexpr unsigned FirstWideCode = 0x8000;
constexpr std::size_t WideCodes = 0x8000;

// Written out in pieces of about this size.
constexpr std::size_t FlushSize = 64 * 1024;

void appendNumber(std::string& out, double value, int decimals = 3) {
    char text[32];
    char* end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals).ptr;
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

void appendHex(std::string& out, unsigned value, int digits = 4) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
        out += Digits[(value >> shift) & 0xF];
}

// A byte of a literal string.
void appendStringByte(std::string& out, char byte) {
    if (byte == '(' || byte == ')' || byte == '\\')
        out += '\\';
    if (byte == '\r')
        out += "\\r"; // a bare one would be read as a line end
    else
        out += byte;
}

// A character map of the codes above, to CIDs or to Unicode text: `entries` blocks of
// "<code> value" lines under `operation` (cidchar or bfchar).
struct CharMapEntry {
    unsigned code;
    std::string value;
};
std::string charMap(const char* ordering, const char* name, int type, const char* operation,
                    const std::vector<CharMapEntry>& entries) {
    std::string map = "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                      "/CIDSystemInfo << /Registry (Adobe) /Ordering (";
    map += ordering;
    map += ") /Supplement 0 >> def\n/CMapName /";
    map += name;
    map += " def\n/CMapType ";
    appendInt(map, type);
    map += " def\n2 begincodespacerange\n<00> <7F>\n<8000> <FFFF>\nendcodespacerange\n";
    for (std::size_t at = 0; at < entries.size(); at += 100) {
        const std::size_t block = std::min<std::size_t>(100, entries.size() - at);
        appendInt(map, static_cast<long long>(block));
        map += " begin";
        map += operation;
        map += '\n';
        for (std::size_t k = at; k < at + block; ++k) {
            map += '<';
            appendHex(map, entries[k].code, entries[k].code < 0x80 ? 2 : 4);
            map += "> ";
            map += entries[k].value;
            map += '\n';
        }
        map += "end";
        map += operation;
        map += '\n';
    }
    map += "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
    return map;
}

// The characters of a UTF-8 line; a broken sequence counts as one U+FFFD per byte.
void decodeUtf8(std::string_view text, std::vector<char32_t>& chars) {
    chars.clear();
    for (std::size_t i = 0; i < text.size();) {
        const std::optional<char32_t> c = nextCodePoint(text, i);
        chars.push_back(c.value_or(U'\uFFFD'));
        i += c ? 0 : 1;
    }
}

// Six capital letters from the glyphs a subset keeps, the tag a subset font's name carries.
std::string subsetTag(const std::vector<std::uint16_t>& glyphs) {
    std::uint32_t hash = 2166136261u; // FNV-1a
    for (const std::uint16_t glyph : glyphs)
        hash = (hash ^ glyph) * 16777619u;
    std::string tag(6, 'A');
    for (char& letter : tag) {
        letter = char('A' + hash % 26);
        hash /= 26;
    }
    return tag + "+";
}

} // namespace

// One zlib state for every stream of the document, reset between them.
struct PdfPrinter::Compressor {
    z_stream z{};
    bool ready = false;
    std::string out;

    Compressor() { ready = deflateInit(&z, CompressionLevel) == Z_OK; }
    ~Compressor() {
        if (ready)
            deflateEnd(&z);
    }
    Compressor(const Compressor&) = delete;
    Compressor& operator=(const Compressor&) = delete;

    // `data` compressed into `out`; false when zlib failed.
    bool compress(std::string_view data) {
        if (!ready || deflateReset(&z) != Z_OK)
            return false;
        out.resize(deflateBound(&z, static_cast<uLong>(data.size())));
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
        z.avail_in = static_cast<uInt>(data.size());
        z.next_out = reinterpret_cast<Bytef*>(out.data());
        z.avail_out = static_cast<uInt>(out.size());
        const bool done = deflate(&z, Z_FINISH) == Z_STREAM_END;
        out.resize(out.size() - z.avail_out);
        return done;
    }
};

PdfPrinter::PdfPrinter(std::string path, std::shared_ptr<const TrueTypeFont> font, Paper paper)
    : path_(std::move(path)), font_(std::move(font)), paper_(paperSize(paper)),
      compressor_(std::make_unique<Compressor>()), offsets_(FirstPageObject, 0), asciiGlyphs_(128) {
    for (char32_t c = 0; c < 128; ++c)
        asciiGlyphs_[c] = font_->glyphOf(c);
    PdfPrinter::selectFont(0);
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

std::unique_ptr<PdfPrinter> PdfPrinter::open(std::string path, Paper paper) {
    auto font = printoutFont();
    return font ? std::make_unique<PdfPrinter>(std::move(path), std::move(font), paper) : nullptr;
}

bool PdfPrinter::selectFont(int fontChoice) {
    if (fontChoice < 1 || fontChoice > 3)
        fontChoice = 0;
    points_ = fontChoice == 0 ? 10 : 9 + fontChoice;
    const TrueTypeFont& f = *font_;
    const double scale = points_ / f.unitsPerEm();
    grid_ = printGrid(paper_.width - 2 * Margin, paper_.height - 2 * Margin,
                      f.advanceOf(asciiGlyphs_[U'M']) * scale,
                      (f.ascender() - f.descender() + f.lineGap()) * scale, fontChoice);
    return !failed_;
}

void PdfPrinter::appendCode(char32_t c) {
    if (c < 0x80) {
        asciiUsed_[c] = true;
        appendStringByte(page_, char(c));
        return;
    }
    auto [at, added] = wideCodes_.try_emplace(c, std::uint16_t(wideChars_.size()));
    if (added && wideChars_.size() == WideCodes) {
        // Out of codes (32,768 characters): the missing-character glyph.
        wideCodes_.erase(at);
        asciiUsed_[0] = true;
        page_ += '\0';
        return;
    }
    if (added)
        wideChars_.push_back(c);
    page_ += char(0x80 | at->second >> 8);
    appendStringByte(page_, char(at->second & 0xFF));
}

void PdfPrinter::startPage() {
    page_ = "BT\n";
    pageFontPoints_ = 0;
    placed_ = false;
    pageOpen_ = true;
    line_ = 0;
}

void PdfPrinter::finishPage() {
    if (!pageOpen_)
        return;
    page_ += "ET\n";
    const int pageObject = FirstPageObject + 2 * int(pageObjects_.size());
    pageObjects_.push_back(pageObject);
    beginObject(pageObject);
    out_ += "<< /Type /Page /Parent 2 0 R /Contents ";
    appendInt(out_, pageObject + 1);
    out_ += " 0 R >>\nendobj\n";
    beginObject(pageObject + 1);
    writeStream(page_);
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
    } else if (std::exchange(breakPending_, false) || line_ >= grid_.linesPerSheet) {
        // A page fuller than the sheet runs on to the next sheet, as a printer does.
        finishPage();
        startPage();
    }
    line = line.substr(0, line.find_last_not_of(' ') + 1);
    if (line.empty()) {
        if (placed_)
            page_ += "T*\n";
        ++line_;
        return;
    }
    if (pageFontPoints_ != points_)
        setPageFont();
    if (!placed_) {
        // The first line drawn on the page, or in a new size: placed on its own line of the
        // grid; each line after it one line pitch (the leading) further down.
        page_ += "1 0 0 1 ";
        appendNumber(page_, Margin);
        page_ += ' ';
        appendNumber(page_, paper_.height - Margin - line_ * grid_.line -
                                font_->ascender() * points_ / font_->unitsPerEm());
        page_ += " Tm\n";
    }
    // The whole line in one string, its blanks drawn too: every character then stands on
    // its cell without a move of its own.
    page_ += '(';
    if (std::all_of(line.begin(), line.end(), [](char c) { return (c & 0x80) == 0; })) {
        for (const char c : line) {
            asciiUsed_[std::size_t(c)] = true;
            appendStringByte(page_, c);
        }
    } else {
        decodeUtf8(line, chars_);
        for (const char32_t c : chars_)
            appendCode(c);
    }
    page_ += placed_ ? ")'\n" : ") Tj\n";
    placed_ = true;
    ++line_;
}

// The width every glyph is given, in thousandths of the size: the standard glyph's advance,
// whole (as readers take it).
int PdfPrinter::glyphWidth() const {
    return int(std::lround(font_->advanceOf(asciiGlyphs_[U'M']) * 1000.0 / font_->unitsPerEm()));
}

// The size, the glyphs' width stretched to exactly a cell (narrower than the font's own where
// 80 columns of it would not fit the sheet) and the leading, for the lines that follow.
void PdfPrinter::setPageFont() {
    page_ += "/F1 ";
    appendNumber(page_, points_);
    page_ += " Tf ";
    appendNumber(page_, 100 * grid_.cell / (glyphWidth() * points_ / 1000), 4);
    page_ += " Tz ";
    appendNumber(page_, grid_.line, 5);
    page_ += " TL\n";
    pageFontPoints_ = points_;
    placed_ = false;
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
    // The sheet and the font, the same for every page, are the pages' own by inheritance.
    out_ += " /MediaBox [0 0 ";
    appendNumber(out_, paper_.width);
    out_ += ' ';
    appendNumber(out_, paper_.height);
    out_ += "] /Resources << /Font << /F1 4 0 R >> >> >>\nendobj\n";
    beginObject(InfoObject);
    out_ += "<< /Title (Pecunex printout) /Producer (Pecunex) >>\nendobj\n";
    writeFontObjects();
    writeTrailer(FirstPageObject + 2 * int(pageObjects_.size()));

    flush();
    if (file_ && std::fclose(file_) != 0)
        failed_ = true;
    file_ = nullptr;
}

void PdfPrinter::beginObject(int number) {
    if (offsets_.size() <= std::size_t(number))
        offsets_.resize(std::size_t(number) + 1, 0);
    offsets_[std::size_t(number)] = written_ + out_.size();
    appendInt(out_, number);
    out_ += " 0 obj\n";
}

// The stream of the object begun, compressed (plain should zlib ever fail), and its end.
void PdfPrinter::writeStream(std::string_view data, std::string_view extraKeys) {
    const bool compressed = compressor_->compress(data);
    const std::string_view bytes = compressed ? std::string_view(compressor_->out) : data;
    out_ += "<< /Length ";
    appendInt(out_, static_cast<long long>(bytes.size()));
    if (compressed)
        out_ += " /Filter /FlateDecode";
    out_ += extraKeys;
    out_ += " >>\nstream\n";
    out_ += bytes;
    out_ += "\nendstream\nendobj\n";
}

void PdfPrinter::writeFontObjects() {
    const TrueTypeFont& f = *font_;
    const double toText = 1000.0 / f.unitsPerEm(); // font units to text space
    const auto units = [&](int value) {
        std::string s;
        appendNumber(s, value * toText);
        return s;
    };
    // Every code used, with its character and glyph.
    std::vector<CharMapEntry> toGlyph, toUnicode;
    std::vector<std::uint16_t> glyphs = {0}; // the missing-character glyph always kept
    std::vector<char32_t> characters;
    const auto use = [&](unsigned code, char32_t c, std::uint16_t glyph) {
        toGlyph.push_back({code, std::to_string(glyph)});
        std::string text = "<";
        if (c > 0xFFFF) {
            appendHex(text, 0xD800 + ((c - 0x10000) >> 10));
            appendHex(text, 0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            appendHex(text, unsigned(c));
        }
        toUnicode.push_back({code, text + ">"});
        glyphs.push_back(glyph);
        characters.push_back(c);
    };
    for (char32_t c = 0; c < 0x80; ++c)
        if (asciiUsed_[c])
            use(c, c, asciiGlyphs_[c]);
    for (std::size_t k = 0; k < wideChars_.size(); ++k)
        use(FirstWideCode + unsigned(k), wideChars_[k], f.glyphOf(wideChars_[k]));
    std::sort(glyphs.begin(), glyphs.end());
    glyphs.erase(std::unique(glyphs.begin(), glyphs.end()), glyphs.end());

    // The font cut down to those glyphs.
    const std::optional<std::string> subset = f.subset(glyphs, characters);
    const std::string& program = subset ? *subset : f.file();
    const std::string name = "/" + (subset ? subsetTag(glyphs) : "") + f.postScriptName();

    beginObject(FontObject);
    out_ += "<< /Type /Font /Subtype /Type0 /BaseFont " + name +
            " /Encoding 9 0 R /DescendantFonts [5 0 R] /ToUnicode 8 0 R >>\nendobj\n";

    // Every glyph as wide as every other: each character of a line moves the next one column
    // on, blanks included.
    beginObject(CidFontObject);
    out_ += "<< /Type /Font /Subtype /CIDFontType2 /BaseFont " + name +
            " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >> "
            "/FontDescriptor 6 0 R /CIDToGIDMap /Identity /DW ";
    appendInt(out_, glyphWidth());
    out_ += " >>\nendobj\n";

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
    writeStream(program, " /Length1 " + std::to_string(program.size()));

    // Which glyph each code draws, and which characters the codes stand for (for copying and
    // searching the text): both small, left plain.
    const std::string encoding = charMap("Identity", "Pecunex-Printout", 1, "cidchar", toGlyph);
    beginObject(EncodingObject);
    out_ += "<< /Type /CMap /CMapName /Pecunex-Printout /CIDSystemInfo << /Registry (Adobe) "
            "/Ordering (Identity) /Supplement 0 >> /Length ";
    appendInt(out_, static_cast<long long>(encoding.size()));
    out_ += " >>\nstream\n" + encoding + "endstream\nendobj\n";
    const std::string unicode = charMap("UCS", "Pecunex-Printout-UCS", 2, "bfchar", toUnicode);
    beginObject(ToUnicodeObject);
    out_ += "<< /Length ";
    appendInt(out_, static_cast<long long>(unicode.size()));
    out_ += " >>\nstream\n" + unicode + "endstream\nendobj\n";
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
