// Cutting a TrueType font down to the glyphs a file uses.
#include "drawing/font_subset.h"

#include <map>
#include <vector>

#include "core/errors.h"

namespace gearpair {

namespace {

// Composite glyph flags (TrueType reference, glyf table).
constexpr std::uint16_t kArgsAreWords = 0x0001;
constexpr std::uint16_t kHasScale = 0x0008;
constexpr std::uint16_t kMoreComponents = 0x0020;
constexpr std::uint16_t kHasXYScale = 0x0040;
constexpr std::uint16_t kHasTwoByTwo = 0x0080;
constexpr std::size_t kHeadChecksumAdjustment = 8;
constexpr std::size_t kHeadLocaFormat = 50;

void PutU16(std::string& out, std::uint32_t value) {
    out.push_back(static_cast<char>(value >> 8 & 0xFF));
    out.push_back(static_cast<char>(value & 0xFF));
}

void PutU32(std::string& out, std::uint32_t value) {
    PutU16(out, value >> 16);
    PutU16(out, value & 0xFFFF);
}

void SetU32(std::string& bytes, std::size_t at, std::uint32_t value) {
    std::string field;
    PutU32(field, value);
    bytes.replace(at, 4, field);
}

std::uint32_t Checksum(std::string_view bytes) {
    std::uint32_t sum = 0;
    for (std::size_t at = 0; at < bytes.size(); at += 4) {
        std::uint32_t word = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            word =
                word << 8 | (at + i < bytes.size() ? static_cast<unsigned char>(bytes[at + i]) : 0);
        }
        sum += word;
    }
    return sum;
}

struct Outlines {
    std::string_view glyf;
    std::string_view loca;
    bool longOffsets = false;

    std::string_view Of(std::uint16_t glyph) const {
        const std::size_t i = glyph;
        const std::size_t from =
            longOffsets ? ReadU32(loca, 4 * i) : 2 * std::size_t{ReadU16(loca, 2 * i)};
        const std::size_t to =
            longOffsets ? ReadU32(loca, 4 * i + 4) : 2 * std::size_t{ReadU16(loca, 2 * i + 2)};
        if (from > to || to > glyf.size()) throw Error("Font outline outside its table");
        return glyf.substr(from, to - from);
    }

    // The glyphs a composite glyph is built of.
    std::vector<std::uint16_t> Components(std::uint16_t glyph) const {
        const std::string_view outline = Of(glyph);
        std::vector<std::uint16_t> parts;
        if (outline.size() < 10 || static_cast<std::int16_t>(ReadU16(outline, 0)) >= 0)
            return parts;
        std::size_t at = 10;
        std::uint16_t flags = kMoreComponents;
        while ((flags & kMoreComponents) != 0) {
            flags = ReadU16(outline, at);
            parts.push_back(ReadU16(outline, at + 2));
            at += 4 + ((flags & kArgsAreWords) != 0 ? 4 : 2);
            if ((flags & kHasScale) != 0) at += 2;
            if ((flags & kHasXYScale) != 0) at += 4;
            if ((flags & kHasTwoByTwo) != 0) at += 8;
        }
        return parts;
    }
};

}  // namespace

std::string FontSubset(const TrueTypeFont& font, const std::set<std::uint16_t>& glyphs) {
    std::string head(font.Table("head"));
    const Outlines outlines{font.Table("glyf"), font.Table("loca"),
                            ReadU16(head, kHeadLocaFormat) != 0};
    // The glyphs used, the missing glyph, and every component, to any depth.
    std::set<std::uint16_t> kept = glyphs;
    kept.insert(0);
    std::vector<std::uint16_t> pending(kept.begin(), kept.end());
    while (!pending.empty()) {
        const std::uint16_t glyph = pending.back();
        pending.pop_back();
        if (glyph >= font.GlyphCount()) throw Error("Font glyph out of range");
        for (const std::uint16_t part : outlines.Components(glyph)) {
            if (kept.insert(part).second) pending.push_back(part);
        }
    }
    std::string glyf;
    std::string loca;
    for (int g = 0; g <= font.GlyphCount(); ++g) {
        if (outlines.longOffsets) {
            PutU32(loca, static_cast<std::uint32_t>(glyf.size()));
        } else {
            PutU16(loca, static_cast<std::uint32_t>(glyf.size() / 2));
        }
        if (g == font.GlyphCount()) break;
        if (kept.count(static_cast<std::uint16_t>(g)) != 0) {
            glyf += outlines.Of(static_cast<std::uint16_t>(g));
            glyf.resize((glyf.size() + 3) / 4 * 4, '\0');
        }
    }
    SetU32(head, kHeadChecksumAdjustment, 0);

    std::map<std::string, std::string> tables;  // sorted by tag
    tables["head"] = head;
    tables["glyf"] = glyf;
    tables["loca"] = loca;
    for (const char* tag : {"OS/2", "cmap", "cvt ", "fpgm", "hhea", "hmtx", "maxp", "prep"}) {
        const std::string_view table = font.Table(tag);
        if (!table.empty()) tables[tag] = std::string(table);
    }
    const std::uint32_t count = static_cast<std::uint32_t>(tables.size());
    std::uint32_t power = 1;
    std::uint32_t log2 = 0;
    while (power * 2 <= count) {
        power *= 2;
        ++log2;
    }
    std::string out;
    PutU32(out, 0x00010000);
    PutU16(out, count);
    PutU16(out, power * 16);
    PutU16(out, log2);
    PutU16(out, count * 16 - power * 16);
    std::size_t offset = 12 + 16 * tables.size();
    std::size_t headAt = 0;
    for (const auto& [tag, table] : tables) {
        out += tag;
        PutU32(out, Checksum(table));
        PutU32(out, static_cast<std::uint32_t>(offset));
        PutU32(out, static_cast<std::uint32_t>(table.size()));
        if (tag == "head") headAt = offset;
        offset += (table.size() + 3) / 4 * 4;
    }
    for (const auto& [tag, table] : tables) {
        out += table;
        out.resize((out.size() + 3) / 4 * 4, '\0');
    }
    SetU32(out, headAt + kHeadChecksumAdjustment, 0xB1B0AFBAu - Checksum(out));
    return out;
}

}  // namespace gearpair
