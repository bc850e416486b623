// The files of the working drawings in a directory: DXF, PDF and optionally SVG of the wheel,
// then of the pinion.
#pragma once

#include <string>
#include <vector>

#include "drawing/drawings.h"

namespace gearpair {

// Writes wheel.dxf, wheel.pdf, [wheel.svg], pinion.dxf, pinion.pdf, [pinion.svg] into `dir`
// (which must exist), each replaced atomically, and returns their paths in that order. The
// first failure throws FileError naming its file; the files written before it stay.
std::vector<std::string> WriteDrawings(const DrawingSet& set, const std::string& dir, bool withSvg);

}  // namespace gearpair
