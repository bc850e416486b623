// The working drawings of a completed design: the wheel's sheet, the pinion's sheet and the
// warnings the user must see (a pinion that has to be made as one piece with its shaft).
#pragma once

#include <string>
#include <vector>

#include "drawing/sheet.h"
#include "engine/gear_design.h"
#include "engine/part_sizes.h"

namespace gearpair {

struct DrawingSet {
    Sheet wheel;
    Sheet pinion;
    std::vector<std::string> warnings;
};

// Both sheets from the record after a completed run (betta in radians) and its part sizes.
DrawingSet BuildDrawings(const TGearDesign& d, const PartSizes& sizes);

}  // namespace gearpair
