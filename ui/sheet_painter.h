// The sheet on a QPainter in millimetres of paper, for the drawing window. Needs the
// application object (fonts). The files are written by the drawing floor's own writers.
#pragma once

#include "drawing/sheet.h"

class QPainter;

namespace gearpair {

// Paints the sheet with 1 unit = 1 mm of paper and y pointing down, as the caller's transform
// sets; the model's y-up is flipped here. Line weights are real widths in mm.
void PaintSheet(QPainter& painter, const Sheet& sheet);

}  // namespace gearpair
