// The views of a gear on its sheet, measured before they are drawn: the main view with its
// dimensions on the left (the axial section with the teeth uncut, or the outside of a gear
// shaft with its stubs broken off), and right of it on the same axis a local view of the bore
// with its keyway where there is one.
#pragma once

#include "drawing/sheet.h"
#include "drawing/sheet_format.h"
#include "engine/gear_part.h"

namespace gearpair {

struct DrawnGear {
    GearPart part;
    // Above zero: a gear shaft, the toothed part with stubs of this diameter and no bore.
    double shaftDiameter = 0;
    // False on a sheet that carries no manufacturing data.
    bool dimensioned = true;

    bool GearShaft() const { return shaftDiameter > 0; }
};

// The paper the views take with their dimensions and leaders, at any scale.
ViewsExtent GearViewsExtent(const DrawnGear& gear);

// Draws the views centred in `area` at `scale` (paper mm per part mm).
void DrawGearViews(Sheet& sheet, const DrawnGear& gear, const Box& area, double scale);

}  // namespace gearpair
