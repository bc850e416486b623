// The sheet on a GDI device context: the marks the PDF and SVG writers put on paper, stroked
// and filled paths with their line weights and the texts in the drafting font, for the drawing
// window. The font is the one beside the program, loaded for this process only.
#pragma once

#include <windows.h>

#include <vector>

#include "drawing/sheet_marks.h"

namespace gearpair::win {

// Where the paper is on the device: pixels per millimetre, the device position of the sheet's
// top-left corner, and the sheet's height in mm (the marks' y points up from its bottom).
struct PaperPlacement {
    double scale = 1;
    double originX = 0;
    double originY = 0;
    double heightMm = 0;
};

// Paints the marks; the paper itself is the caller's. A line is never thinner than one pixel
// for the thin weight, two for the thick, so that the weights stay apart when zoomed out.
void PaintMarks(HDC dc, const std::vector<Mark>& marks, const PaperPlacement& paper);

// Loads the drafting font file beside the program for this process; false when it is missing
// (the texts then come in a substitute font).
bool LoadDraftingFontPrivately();

}  // namespace gearpair::win
