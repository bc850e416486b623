// DXF of a sheet: R2000 (AC1015) text DXF in millimetres with the views at the part's real
// size, dimensions, hatches and the title block as CAD entities, one coloured layer per sheet
// layer with its line type and line weight, texts with Cyrillic as \U+XXXX.
#pragma once

#include <string>

#include "drawing/sheet.h"

namespace gearpair {

// The whole DXF file of the sheet.
std::string DxfText(const Sheet& sheet);

// Writes DxfText(sheet) to `path` atomically; a failure throws FileError naming the file.
void WriteDxf(const Sheet& sheet, const std::string& path);

}  // namespace gearpair
