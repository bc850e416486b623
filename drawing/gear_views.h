// The two views of a gear on its sheet: the axial section (axis horizontal) with its
// dimensions on the left, the left view (bore, keyway, hub, web holes) on the right, on one
// horizontal axis as projection requires.
#pragma once

#include "drawing/sheet.h"
#include "drawing/sheet_format.h"
#include "engine/gear_part.h"

namespace gearpair {

// The paper the two views take with their dimensions and leaders, at any scale.
ViewsExtent GearViewsExtent(const GearPart& part);

// Draws both views centred in `area` at `scale` (paper mm per part mm).
void DrawGearViews(Sheet& sheet, const GearPart& part, const Box& area, double scale);

}  // namespace gearpair
