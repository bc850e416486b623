// The SVG of a sheet: width and height in millimetres, the view box one unit to the
// millimetre, the lines with their weights, the texts as text in the drafting font (named, for
// the viewer to supply), the part's name as the title.
#pragma once

#include <string>

#include "drawing/sheet.h"

namespace gearpair {

// Needs the drafting font (for the texts' widths); its absence throws Error.
std::string SvgBytes(const Sheet& sheet);

// Writes the file atomically; a failure throws FileError naming the file.
void WriteSvg(const Sheet& sheet, const std::string& path);

}  // namespace gearpair
