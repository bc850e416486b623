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

// The text of a DIMENSION entity: empty where the sheet writes the measured value plainly,
// "<>" for the measured value inside a longer text ("%%c<>H7(+0,030)"), the literal text where
// the sheet's size is not the measured one (an accepted size).
std::string DimensionTextOverride(const Dimension& dimension);

// The DXF layer name of a sheet layer.
const char* DxfLayerName(Layer layer);

}  // namespace gearpair
