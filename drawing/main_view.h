// The main view of a gear: the axial section with the teeth uncut, or the outside of a gear
// shaft with its stubs broken off.
#pragma once

#include "drawing/gear_views.h"
#include "drawing/sheet_pen.h"

namespace gearpair::gear_views {

void DrawSection(SheetPen& pen, const GearPart& p);

void DrawGearShaft(SheetPen& pen, const DrawnGear& g);

}  // namespace gearpair::gear_views
