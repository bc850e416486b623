// A TrueType font file read as far as the sheets need it: the glyph of a character (cmap), its
// advance width (hmtx), the units per em and the capital height, and the tables themselves for
// embedding a subset in a PDF.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace gearpair {

class TrueTypeFont {
public:
    // The whole file; a file that is not a TrueType font, or one with a table cut short,
    // throws Error naming `name`.
    TrueTypeFont(std::string bytes, const std::string& name);

    int UnitsPerEm() const { return unitsPerEm_; }
    // The height of the capitals (OS/2 sCapHeight, else the top of "H"), font units.
    int CapHeight() const { return capHeight_; }
    int Ascent() const { return ascent_; }
    int Descent() const { return descent_; }  // negative, below the baseline
    // The bounding box of all glyphs: xMin, yMin, xMax, yMax in font units.
    const std::int16_t* Box() const { return box_; }
    int GlyphCount() const { return glyphCount_; }

    // The glyph of a character, 0 (the missing glyph) when the font has none.
    std::uint16_t Glyph(char32_t c) const;
    // Advance width of a glyph in font units.
    int Advance(std::uint16_t glyph) const;
    // The sum of the advances of a UTF-8 text's characters, font units; a byte that does not
    // decode counts as the missing glyph.
    int TextAdvance(std::string_view utf8) const;

    // A table's bytes by its tag ("glyf"), empty when the font has none.
    std::string_view Table(std::string_view tag) const;
    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
    std::map<std::string, std::string_view, std::less<>> tables_;
    std::map<char32_t, std::uint16_t> glyphs_;
    std::vector<std::uint16_t> basicGlyphs_;    // the glyphs of U+0000 to U+FFFF, by character
    std::vector<std::uint16_t> advances_;       // by glyph
    std::vector<std::uint16_t> basicAdvances_;  // the advances of U+0000 to U+FFFF, by character
    int unitsPerEm_ = 0;
    int capHeight_ = 0;
    int ascent_ = 0;
    int descent_ = 0;
    std::int16_t box_[4] = {};
    int glyphCount_ = 0;
    int advanceCount_ = 0;  // hhea numberOfHMetrics
};

// Big-endian fields of a font table.
std::uint16_t ReadU16(std::string_view bytes, std::size_t at);
std::uint32_t ReadU32(std::string_view bytes, std::size_t at);

}  // namespace gearpair
