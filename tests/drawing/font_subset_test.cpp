// The embedded subset: a TrueType file again, with the used glyphs' outlines (and their
// composites' parts) and nothing else, its checksums right.
#include "drawing/font_subset.h"

#include <gtest/gtest.h>

#include "drawing/drafting_font.h"

namespace gearpair {
namespace {

std::uint32_t FileChecksum(const std::string& bytes) {
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

std::size_t OutlineSize(const TrueTypeFont& font, std::uint16_t glyph) {
    const std::string_view loca = font.Table("loca");
    const bool longOffsets = ReadU16(font.Table("head"), 50) != 0;
    const auto at = [&](std::size_t i) -> std::size_t {
        return longOffsets ? ReadU32(loca, 4 * i) : 2 * std::size_t{ReadU16(loca, 2 * i)};
    };
    return at(glyph + 1u) - at(glyph);
}

TEST(FontSubset, KeepsTheUsedOutlinesAndTheirPartsAndReadsBackAsAFont) {
    const TrueTypeFont& font = DraftingFont();
    const std::uint16_t zero = font.Glyph(U'0');
    const std::uint16_t yo = font.Glyph(U'ё');  // a composite: е and the diaeresis
    const std::uint16_t ie = font.Glyph(U'е');
    const std::uint16_t h = font.Glyph(U'H');
    const std::string bytes = FontSubset(font, {zero, yo});
    EXPECT_EQ(FileChecksum(bytes), 0xB1B0AFBAu);
    const TrueTypeFont subset(bytes, "subset");
    EXPECT_EQ(subset.GlyphCount(), font.GlyphCount());
    EXPECT_EQ(subset.Advance(zero), 1303);
    for (const std::uint16_t kept : {std::uint16_t{0}, zero, yo, ie}) {
        EXPECT_EQ(OutlineSize(subset, kept), (OutlineSize(font, kept) + 3) / 4 * 4) << kept;
        EXPECT_GT(OutlineSize(subset, kept), 0u) << kept;
    }
    EXPECT_EQ(OutlineSize(subset, h), 0u);
    EXPECT_LT(bytes.size(), font.Bytes().size() / 8);
}

}  // namespace
}  // namespace gearpair
