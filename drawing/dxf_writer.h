// DXF of a sheet: R2000 (AC1015) text DXF in millimetres, one layer per sheet layer
// with its line type and line weight, texts with Cyrillic as \U+XXXX, written through dxflib.
#pragma once

#include <string>

#include "drawing/sheet.h"

namespace gearpair {

// The whole DXF file of the sheet.
std::string DxfText(const Sheet& sheet);

// Writes DxfText(sheet) to `path` atomically; a failure throws FileError naming the file.
void WriteDxf(const Sheet& sheet, const std::string& path);

// The text as DXF stores it: ASCII kept, every other character as \U+XXXX.
std::string DxfEscaped(const std::string& utf8);

// The DXF layer name of a sheet layer.
const char* DxfLayerName(Layer layer);

}  // namespace gearpair
