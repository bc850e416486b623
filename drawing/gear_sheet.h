// One working drawing of a gear, built in one pass: the part with its sizes (given), its views
// and their extents, the layout (scale first, then the format), then the drawing.
#pragma once

#include <string>
#include <vector>

#include "drawing/drawing_texts.h"  // MassText
#include "drawing/gear_views.h"
#include "drawing/sheet.h"
#include "drawing/title_block.h"

namespace gearpair {

struct GearSheetContent {
    DrawnGear gear;
    TitleBlockTexts title;                     // the scale is filled in here
    std::vector<std::vector<TableRow>> table;  // its parts; none on a sheet without one
    std::vector<std::string> requirements;     // unnumbered
};

// With `viewsBox`, the box of everything the views drew (paper mm) goes there.
Sheet BuildGearSheet(const GearSheetContent& content, Box* viewsBox = nullptr);

}  // namespace gearpair
