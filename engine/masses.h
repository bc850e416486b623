// Steel masses of the wheel and the pinion as drawn (7850 kg/m^3), for the title blocks, the
// JSON and the variant search.
#pragma once

#include "engine/drawn_parts.h"
#include "engine/gear_design.h"
#include "engine/part_sizes.h"

namespace gearpair {

// kg.
struct PartMasses {
    double wheel = 0;
    double pinion = 0;
    double total = 0;
};

// Mass of steel for a volume in mm^3, kg.
double SteelMass(double volume);

// The masses of a completed design's parts as drawn, with the accepted sizes. A pinion that
// cannot sit on a key is weighed as the toothed part of a gear shaft, so a mass is never zero.
PartMasses DesignMasses(const TGearDesign& d, const PartSizes& sizes);

// The masses of parts already shaped as drawn.
PartMasses DrawnMasses(const DrawnParts& parts);

}  // namespace gearpair
