// The main view's dimension chains: the diameters left of it, the face width and the chamfer
// above, the web's sizes right of and below it, the roughness marks on shelves; with the paper
// they take around the view.
#pragma once

#include <vector>

#include "drawing/gear_views.h"
#include "drawing/sheet_pen.h"

namespace gearpair::gear_views {

// Paper left, right of and below the main view for its dimensions and leaders.
double LeftMargin(const DrawnGear& g);
double RightMargin(const DrawnGear& g);
double BottomMargin(const DrawnGear& g);

// The inner diameters' texts, which go down their lines below the view where a line is too
// short for its text.
std::vector<DroppedText> DroppedTexts(const DrawnGear& g);

void DimensionMainView(SheetPen& pen, const DrawnGear& g);

}  // namespace gearpair::gear_views
