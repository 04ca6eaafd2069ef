#include "TrueTypeFont.h"

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string_view>
#include <vector>

#include <hb-subset.h>

namespace {

// Big-endian fields of the file, 0 past its end (callers check lengths first).
struct Bytes {
    std::string_view data;

    std::uint32_t u8(std::size_t at) const {
        return at < data.size() ? static_cast<unsigned char>(data[at]) : 0u;
    }
    std::uint32_t u16(std::size_t at) const { return u8(at) << 8 | u8(at + 1); }
    std::uint32_t u32(std::size_t at) const { return u16(at) << 16 | u16(at + 2); }
    int s16(std::size_t at) const { return static_cast<std::int16_t>(u16(at)); }
    bool holds(std::size_t at, std::size_t length) const {
        return at <= data.size() && length <= data.size() - at;
    }
};

struct Table {
    std::size_t offset = 0;
    std::size_t length = 0;
};

std::optional<Table> findTable(const Bytes& b, std::string_view tag) {
    const std::uint32_t count = b.u16(4);
    if (!b.holds(12, std::size_t(count) * 16))
        return std::nullopt;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t record = 12 + std::size_t(i) * 16;
        if (b.data.substr(record, 4) != tag)
            continue;
        const Table t{b.u32(record + 8), b.u32(record + 12)};
        if (!b.holds(t.offset, t.length))
            return std::nullopt;
        return t;
    }
    return std::nullopt;
}

// The PostScript name (name 6) from a Windows or a Macintosh record; PDF names take no
// blanks or delimiters, so only letters, digits and a few marks are kept.
std::string postScriptNameOf(const Bytes& b, const Table& name) {
    const std::uint32_t count = b.u16(name.offset + 2);
    const std::size_t strings = name.offset + b.u16(name.offset + 4);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t record = name.offset + 6 + std::size_t(i) * 12;
        if (!b.holds(record, 12) || b.u16(record + 6) != 6)
            continue;
        const std::uint32_t platform = b.u16(record);
        const std::size_t length = b.u16(record + 8);
        const std::size_t at = strings + b.u16(record + 10);
        if (!b.holds(at, length) || (platform != 1 && platform != 3))
            continue;
        const std::size_t step = platform == 3 ? 2 : 1;
        std::string text;
        for (std::size_t k = 0; k + step <= length; k += step) {
            const std::uint32_t c = step == 2 ? b.u16(at + k) : b.u8(at + k);
            if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                c == '-' || c == '_' || c == '.')
                text += static_cast<char>(c);
        }
        if (!text.empty())
            return text;
    }
    return "PrintoutFont";
}

} // namespace

std::optional<TrueTypeFont> TrueTypeFont::parse(std::string file) {
    TrueTypeFont f;
    f.file_ = std::move(file);
    const Bytes b{f.file_};
    const std::uint32_t version = b.u32(0);
    if (version != 0x00010000 && version != 0x74727565) // 1.0 or 'true'
        return std::nullopt;
    const auto head = findTable(b, "head");
    const auto hhea = findTable(b, "hhea");
    const auto hmtx = findTable(b, "hmtx");
    const auto maxp = findTable(b, "maxp");
    const auto cmap = findTable(b, "cmap");
    if (!head || !hhea || !hmtx || !maxp || !cmap || head->length < 54 || hhea->length < 36 ||
        maxp->length < 6 || !findTable(b, "glyf") || !findTable(b, "loca"))
        return std::nullopt;

    f.unitsPerEm_ = int(b.u16(head->offset + 18));
    for (int i = 0; i < 4; ++i)
        f.bbox_[std::size_t(i)] = b.s16(head->offset + 36 + std::size_t(i) * 2);
    f.ascender_ = b.s16(hhea->offset + 4);
    f.descender_ = b.s16(hhea->offset + 6);
    f.lineGap_ = b.s16(hhea->offset + 8);
    f.longMetrics_ = int(b.u16(hhea->offset + 34));
    f.glyphCount_ = int(b.u16(maxp->offset + 4));
    f.hmtx_ = hmtx->offset;
    if (f.unitsPerEm_ <= 0 || f.longMetrics_ <= 0 || hmtx->length < std::size_t(f.longMetrics_) * 4)
        return std::nullopt;
    f.capHeight_ = f.ascender_;
    if (const auto os2 = findTable(b, "OS/2"); os2 && os2->length >= 90 && b.u16(os2->offset) >= 2)
        f.capHeight_ = b.s16(os2->offset + 88);
    if (const auto post = findTable(b, "post"); post && post->length >= 16) {
        f.italicAngle_ = b.s16(post->offset + 4);
        f.fixedPitch_ = b.u32(post->offset + 12) != 0;
    }
    if (const auto name = findTable(b, "name"); name && name->length >= 6)
        f.postScriptName_ = postScriptNameOf(b, *name);
    else
        f.postScriptName_ = "PrintoutFont";

    // The Unicode character map: the full-repertoire one when there is one.
    const std::uint32_t subtables = b.u16(cmap->offset + 2);
    for (std::uint32_t i = 0; i < subtables; ++i) {
        const std::size_t record = cmap->offset + 4 + std::size_t(i) * 8;
        const std::uint32_t platform = b.u16(record), encoding = b.u16(record + 2);
        const std::size_t at = cmap->offset + b.u32(record + 4);
        const bool unicode = platform == 0 || (platform == 3 && (encoding == 1 || encoding == 10));
        if (!unicode || !b.holds(at, 16))
            continue;
        const int format = int(b.u16(at));
        if (format == 12 || (format == 4 && f.cmapFormat_ != 12)) {
            f.cmap_ = at;
            f.cmapFormat_ = format;
        }
    }
    if (f.cmapFormat_ == 0)
        return std::nullopt;
    return f;
}

std::uint16_t TrueTypeFont::glyphOf(char32_t c) const {
    const std::uint16_t glyph = cmapFormat_ == 12 ? glyphFromGroups(c) : glyphFromSegments(c);
    return glyph < glyphCount_ ? glyph : 0;
}

std::uint16_t TrueTypeFont::glyphFromSegments(char32_t c) const {
    if (c > 0xFFFF)
        return 0;
    const Bytes b{file_};
    const std::size_t segments = b.u16(cmap_ + 6) / 2;
    const std::size_t ends = cmap_ + 14;
    const std::size_t starts = ends + segments * 2 + 2;
    const std::size_t deltas = starts + segments * 2;
    const std::size_t rangeOffsets = deltas + segments * 2;
    if (!b.holds(ends, segments * 8 + 2))
        return 0;
    // The first segment whose end is at or past the character.
    std::size_t low = 0, high = segments;
    while (low < high) {
        const std::size_t mid = (low + high) / 2;
        if (b.u16(ends + mid * 2) < c)
            low = mid + 1;
        else
            high = mid;
    }
    if (low == segments || b.u16(starts + low * 2) > c)
        return 0;
    const std::uint32_t delta = b.u16(deltas + low * 2);
    const std::uint32_t rangeOffset = b.u16(rangeOffsets + low * 2);
    if (rangeOffset == 0)
        return std::uint16_t((c + delta) & 0xFFFF);
    const std::size_t at = rangeOffsets + low * 2 + rangeOffset + (c - b.u16(starts + low * 2)) * 2;
    if (!b.holds(at, 2))
        return 0;
    const std::uint32_t glyph = b.u16(at);
    return glyph == 0 ? 0 : std::uint16_t((glyph + delta) & 0xFFFF);
}

std::uint16_t TrueTypeFont::glyphFromGroups(char32_t c) const {
    const Bytes b{file_};
    const std::size_t groups = b.u32(cmap_ + 12);
    const std::size_t first = cmap_ + 16;
    if (!b.holds(first, groups * 12))
        return 0;
    std::size_t low = 0, high = groups;
    while (low < high) {
        const std::size_t mid = (low + high) / 2;
        if (b.u32(first + mid * 12 + 4) < c)
            low = mid + 1;
        else
            high = mid;
    }
    const std::size_t group = first + low * 12;
    if (low == groups || b.u32(group) > c)
        return 0;
    return std::uint16_t(b.u32(group + 8) + (c - b.u32(group)));
}

int TrueTypeFont::advanceOf(std::uint16_t glyph) const {
    const Bytes b{file_};
    const int metric = glyph < longMetrics_ ? glyph : longMetrics_ - 1;
    return int(b.u16(hmtx_ + std::size_t(metric) * 4));
}

std::optional<std::string> TrueTypeFont::subset(const std::vector<std::uint16_t>& glyphs,
                                                const std::vector<char32_t>& characters) const {
    const std::unique_ptr<hb_blob_t, void (*)(hb_blob_t*)> blob(
        hb_blob_create(file_.data(), static_cast<unsigned>(file_.size()), HB_MEMORY_MODE_READONLY,
                       nullptr, nullptr),
        hb_blob_destroy);
    const std::unique_ptr<hb_face_t, void (*)(hb_face_t*)> face(hb_face_create(blob.get(), 0),
                                                                hb_face_destroy);
    const std::unique_ptr<hb_subset_input_t, void (*)(hb_subset_input_t*)> input(
        hb_subset_input_create_or_fail(), hb_subset_input_destroy);
    if (!input)
        return std::nullopt;
    hb_set_t* const glyphSet = hb_subset_input_glyph_set(input.get());
    for (const std::uint16_t glyph : glyphs)
        hb_set_add(glyphSet, glyph);
    hb_set_t* const characterSet = hb_subset_input_unicode_set(input.get());
    for (const char32_t c : characters)
        hb_set_add(characterSet, c);
    // The document's text names glyphs by their numbers in the whole font.
    hb_subset_input_set_flags(input.get(), HB_SUBSET_FLAGS_RETAIN_GIDS |
                                               HB_SUBSET_FLAGS_NO_HINTING |
                                               HB_SUBSET_FLAGS_NOTDEF_OUTLINE);
    const std::unique_ptr<hb_face_t, void (*)(hb_face_t*)> cut(
        hb_subset_or_fail(face.get(), input.get()), hb_face_destroy);
    if (!cut)
        return std::nullopt;
    const std::unique_ptr<hb_blob_t, void (*)(hb_blob_t*)> bytes(hb_face_reference_blob(cut.get()),
                                                                 hb_blob_destroy);
    unsigned length = 0;
    const char* data = hb_blob_get_data(bytes.get(), &length);
    if (!data || length == 0)
        return std::nullopt;
    return std::string(data, length);
}

std::string printoutFontPath() {
    std::vector<std::string> folders;
    const char* home = std::getenv("HOME");
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && *dataHome)
        folders.emplace_back(dataHome);
    else if (home && *home)
        folders.push_back(std::string(home) + "/.local/share");
    const char* dataDirs = std::getenv("XDG_DATA_DIRS");
    std::string_view dirs = dataDirs && *dataDirs ? dataDirs : "/usr/local/share:/usr/share";
    while (!dirs.empty()) {
        const std::size_t colon = dirs.find(':');
        if (colon != 0)
            folders.emplace_back(dirs.substr(0, colon));
        dirs = colon == std::string_view::npos ? std::string_view() : dirs.substr(colon + 1);
    }
    static const char* const candidates[] = {
        "fonts/truetype/msttcorefonts/Courier_New.ttf", "fonts/truetype/msttcorefonts/cour.ttf",
        "fonts/truetype/liberation/LiberationMono-Regular.ttf",
        "fonts/truetype/liberation2/LiberationMono-Regular.ttf"};
    std::error_code ec;
    for (const char* candidate : candidates)
        for (const std::string& folder : folders) {
            const std::string path = folder + "/" + candidate;
            if (std::filesystem::is_regular_file(path, ec))
                return path;
        }
    return {};
}
