// Steel masses of the wheel and the pinion as drawn (7850 kg/m^3), for the title blocks, the
// JSON and the variant search.
#pragma once

#include "engine/drawn_parts.h"

namespace gearpair {

// kg.
struct PartMasses {
    double wheel = 0;
    double pinion = 0;
    double total = 0;
};

// Mass of steel for a volume in mm^3, kg.
double SteelMass(double volume);

// The mass of a part as drawn, kg to the milligram.
double PartMass(const GearPart& part);

// The masses of the parts as drawn. A pinion that cannot sit on a key is weighed as the toothed
// part of a gear shaft, so a mass is never zero.
PartMasses DrawnMasses(const DrawnParts& parts);

}  // namespace gearpair
