// The sheet on a QPainter in millimetres of paper, for the PDF and SVG files and the drawing
// window; the PDF (one vector page of the sheet's format at 1:1) and SVG (width and height in
// mm) writers. Needs the application object (fonts).
#pragma once

#include <string>

#include "drawing/sheet.h"

class QPainter;

namespace gearpair {

// Paints the sheet with 1 unit = 1 mm of paper and y pointing down, as the caller's transform
// sets; the model's y-up is flipped here. Line weights are real widths in mm.
void PaintSheet(QPainter& painter, const Sheet& sheet);

// The PDF and SVG files as bytes.
std::string PdfBytes(const Sheet& sheet);
std::string SvgBytes(const Sheet& sheet);

// Write the files atomically; a failure throws FileError naming the file.
void WritePdf(const Sheet& sheet, const std::string& path);
void WriteSvg(const Sheet& sheet, const std::string& path);

}  // namespace gearpair
