// Reading the tables of a TrueType font.
#include "drawing/truetype_font.h"

#include <algorithm>

#include "core/cp1251.h"
#include "core/errors.h"

namespace gearpair {

namespace {

// Table offsets, from the TrueType reference (tables head, hhea, maxp, OS/2, cmap).
constexpr std::size_t kHeadUnitsPerEm = 18;
constexpr std::size_t kHeadBox = 36;
constexpr std::size_t kHheaAscent = 4;
constexpr std::size_t kHheaMetricCount = 34;
constexpr std::size_t kMaxpGlyphCount = 4;
constexpr std::size_t kOs2CapHeight = 88;

std::int16_t ReadI16(std::string_view bytes, std::size_t at) {
    return static_cast<std::int16_t>(ReadU16(bytes, at));
}

// cmap format 4: segments of 16-bit characters.
void ReadFormat4(std::string_view t, std::map<char32_t, std::uint16_t>& glyphs) {
    const std::size_t segments = ReadU16(t, 6) / 2;
    const std::size_t ends = 14;
    const std::size_t starts = ends + 2 * segments + 2;
    const std::size_t deltas = starts + 2 * segments;
    const std::size_t offsets = deltas + 2 * segments;
    for (std::size_t s = 0; s < segments; ++s) {
        const std::uint32_t end = ReadU16(t, ends + 2 * s);
        const std::uint32_t start = ReadU16(t, starts + 2 * s);
        const std::uint16_t delta = ReadU16(t, deltas + 2 * s);
        const std::size_t rangeAt = offsets + 2 * s;
        const std::uint16_t range = ReadU16(t, rangeAt);
        for (std::uint32_t c = start; c <= end && c != 0xFFFF; ++c) {
            std::uint16_t glyph = 0;
            if (range == 0) {
                glyph = static_cast<std::uint16_t>(c + delta);
            } else {
                glyph = ReadU16(t, rangeAt + range + 2 * (c - start));
                if (glyph != 0) glyph = static_cast<std::uint16_t>(glyph + delta);
            }
            if (glyph != 0) glyphs[c] = glyph;
        }
    }
}

// cmap format 12: groups of 32-bit characters.
void ReadFormat12(std::string_view t, std::map<char32_t, std::uint16_t>& glyphs) {
    const std::uint32_t groups = ReadU32(t, 12);
    for (std::uint32_t g = 0; g < groups; ++g) {
        const std::size_t at = 16 + 12 * std::size_t{g};
        const std::uint32_t first = ReadU32(t, at);
        const std::uint32_t last = ReadU32(t, at + 4);
        const std::uint32_t glyph = ReadU32(t, at + 8);
        for (std::uint32_t c = first; c <= last && c <= 0x10FFFF; ++c) {
            glyphs[c] = static_cast<std::uint16_t>(glyph + (c - first));
        }
    }
}

}  // namespace

std::uint16_t ReadU16(std::string_view bytes, std::size_t at) {
    if (at + 2 > bytes.size()) throw Error("TrueType table cut short");
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) << 8 |
                                      static_cast<unsigned char>(bytes[at + 1]));
}

std::uint32_t ReadU32(std::string_view bytes, std::size_t at) {
    return std::uint32_t{ReadU16(bytes, at)} << 16 | ReadU16(bytes, at + 2);
}

TrueTypeFont::TrueTypeFont(std::string bytes, const std::string& name) : bytes_(std::move(bytes)) {
    try {
        const std::string_view all = bytes_;
        const std::uint32_t version = ReadU32(all, 0);
        if (version != 0x00010000 && version != 0x74727565) throw Error("not TrueType");
        const std::size_t count = ReadU16(all, 4);
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t record = 12 + 16 * i;
            const std::size_t offset = ReadU32(all, record + 8);
            const std::size_t length = ReadU32(all, record + 12);
            if (offset > all.size() || length > all.size() - offset) throw Error("table outside");
            tables_.emplace(std::string(all.substr(record, 4)), all.substr(offset, length));
        }
        const std::string_view head = Table("head");
        unitsPerEm_ = ReadU16(head, kHeadUnitsPerEm);
        for (int i = 0; i < 4; ++i) box_[i] = ReadI16(head, kHeadBox + 2 * std::size_t(i));
        const std::string_view hhea = Table("hhea");
        ascent_ = ReadI16(hhea, kHheaAscent);
        descent_ = ReadI16(hhea, kHheaAscent + 2);
        advanceCount_ = ReadU16(hhea, kHheaMetricCount);
        glyphCount_ = ReadU16(Table("maxp"), kMaxpGlyphCount);
        if (unitsPerEm_ == 0 || advanceCount_ == 0 ||
            Table("hmtx").size() < 4 * std::size_t(advanceCount_)) {
            throw Error("no metrics");
        }
        const std::string_view cmap = Table("cmap");
        std::string_view best;
        int bestFormat = 0;
        for (std::size_t i = 0, n = ReadU16(cmap, 2); i < n; ++i) {
            const std::uint16_t platform = ReadU16(cmap, 4 + 8 * i);
            const std::uint16_t encoding = ReadU16(cmap, 6 + 8 * i);
            const std::size_t offset = ReadU32(cmap, 8 + 8 * i);
            if (platform != 3 || (encoding != 1 && encoding != 10)) continue;
            const std::string_view sub = cmap.substr(std::min(offset, cmap.size()));
            const int format = ReadU16(sub, 0);
            if ((format == 4 || format == 12) && format > bestFormat) {
                best = sub;
                bestFormat = format;
            }
        }
        if (bestFormat == 12) ReadFormat12(best, glyphs_);
        if (bestFormat == 4) ReadFormat4(best, glyphs_);
        if (glyphs_.empty()) throw Error("no Unicode cmap");
        basicGlyphs_.assign(0x10000, 0);
        for (const auto& [c, glyph] : glyphs_) {
            if (c < 0x10000) basicGlyphs_[c] = glyph;
        }
        const std::string_view hmtx = Table("hmtx");
        for (int g = 0; g < advanceCount_; ++g)
            advances_.push_back(ReadU16(hmtx, 4 * std::size_t(g)));
        basicAdvances_.resize(0x10000);
        for (std::size_t c = 0; c < 0x10000; ++c) basicAdvances_[c] = Advance(basicGlyphs_[c]);
        const std::string_view os2 = Table("OS/2");
        if (os2.size() >= kOs2CapHeight + 2 && ReadU16(os2, 0) >= 2) {
            capHeight_ = ReadI16(os2, kOs2CapHeight);
        }
        if (capHeight_ <= 0) {
            // The top of the capital H: yMax of its glyph.
            const std::string_view loca = Table("loca");
            const std::uint16_t h = Glyph(U'H');
            const bool longOffsets = ReadI16(head, 50) != 0;
            const std::size_t at = longOffsets ? ReadU32(loca, 4 * std::size_t{h})
                                               : 2 * std::size_t{ReadU16(loca, 2 * std::size_t{h})};
            capHeight_ = ReadI16(Table("glyf"), at + 8);
        }
    } catch (const Error& e) {
        throw Error("Файл шрифта " + name + " не читается: " + e.what());
    }
}

std::string_view TrueTypeFont::Table(std::string_view tag) const {
    const auto it = tables_.find(tag);
    return it == tables_.end() ? std::string_view{} : it->second;
}

std::uint16_t TrueTypeFont::Glyph(char32_t c) const {
    if (c < 0x10000) return basicGlyphs_[c];
    const auto it = glyphs_.find(c);
    return it == glyphs_.end() ? 0 : it->second;
}

int TrueTypeFont::Advance(std::uint16_t glyph) const {
    return advances_[std::min<std::size_t>(glyph, advances_.size() - 1)];
}

int TrueTypeFont::TextAdvance(std::string_view utf8) const {
    int sum = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte < 0x80) {
            sum += basicAdvances_[byte];
            ++i;
            continue;
        }
        char32_t c = 0;
        if (!DecodeUtf8(utf8, i, c)) {
            ++i;
            c = 0xFFFF;
        }
        sum += c < 0x10000 ? basicAdvances_[c] : Advance(Glyph(c));
    }
    return sum;
}

}  // namespace gearpair
