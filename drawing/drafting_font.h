// The font every sheet is printed in, DejaVu Sans: the same file measures the texts in the
// layout and is embedded in the PDF. Found beside the program (a Windows installation ships it
// there), else where Debian's fonts-dejavu-core puts it.
#pragma once

#include <string>
#include <vector>

#include "drawing/truetype_font.h"

namespace gearpair {

inline constexpr char kDraftingFontFile[] = "DejaVuSans.ttf";
inline constexpr char kDraftingFontName[] = "DejaVu Sans";

// Glyphs of the regular sans-serif are set to the narrow drafting font's width: this share of
// their natural advance.
inline constexpr double kFontNarrowing = 0.8;

// Where the font is looked for, in order.
std::vector<std::string> DraftingFontPlaces();

// The font, read once for the life of the process. No readable file in any place throws Error
// naming the places; a later call tries again.
const TrueTypeFont& DraftingFont();

}  // namespace gearpair
