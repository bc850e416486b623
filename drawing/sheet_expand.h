// The plain primitives a dimension and a hatch are drawn with: extension and dimension lines,
// arrowheads and the text of a dimension, the clipped lines of a hatch. The painters, the
// window and any writer without dimension or hatch entities draw these.
#pragma once

#include <vector>

#include "drawing/sheet.h"

namespace gearpair {

// Arrowheads of dimensions and leaders: 3 mm long, 1 mm wide (paper).
inline constexpr double kArrowLength = 3;
inline constexpr double kArrowHalfWidth = 0.5;
// Extension lines run this far past the dimension line.
inline constexpr double kExtensionOverrun = 2;
// Gap between a dimension line and its text.
inline constexpr double kDimensionTextGap = 1;

// A filled arrowhead with its tip at `tip`, pointing along `direction` (paper).
Polyline ArrowHead(Point tip, Point direction);

// Lines (Thin, Dimension), arrowheads (Dimension) and the text (Text) of a dimension, paper mm.
std::vector<Item> ExpandDimension(const Dimension& dimension, int view = kNoView);

// The hatch lines (Hatch layer), paper mm.
std::vector<Item> ExpandHatch(const Hatch& hatch, int view = kNoView);

// The item itself when it is plain, else its expansion.
std::vector<Item> PlainItems(const Item& item);

// The sheet with every dimension and hatch expanded.
Sheet PlainSheet(const Sheet& sheet);

}  // namespace gearpair
