// A subset of a TrueType font for embedding: the outlines of the glyphs a file uses (with the
// glyphs their composites are built of) and the missing glyph, every other glyph left empty, so
// that glyph numbers stay those of the whole font.
#pragma once

#include <cstdint>
#include <set>
#include <string>

#include "drawing/truetype_font.h"

namespace gearpair {

// The font file of the subset: head, hhea, maxp, hmtx, loca, glyf, OS/2, cmap and the hinting
// tables the font has (cvt, fpgm, prep), with their checksums.
std::string FontSubset(const TrueTypeFont& font, const std::set<std::uint16_t>& glyphs);

}  // namespace gearpair
