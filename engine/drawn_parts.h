// The wheel and the pinion as the working drawings show them: shaped from the accepted sizes
// (normal linear sizes, the standard tooth-tip chamfer), and the pinion's form decided from
// the computed sizes, as the design's warnings decide it. The sheets and the masses read them,
// so that a title block weighs the part it shows.
#pragma once

#include "engine/gear_design.h"
#include "engine/gear_part.h"
#include "engine/part_sizes.h"

namespace gearpair {

enum class PinionForm {
    OnKey,          // a pinion with a bore, on a key where the key table has one
    GearShaft,      // made in one piece with its shaft
    CannotBeBuilt,  // the root circle is smaller than the shaft the torque needs
};

struct DrawnParts {
    GearPart wheel;
    // A gear shaft's pinion is its toothed part: no bore, no keyway, no hub.
    GearPart pinion;
    PinionForm pinionForm = PinionForm::OnKey;
    // The stubs of a gear shaft: the accepted bore, never above the root circle; 0 on a key.
    double shaftDiameter = 0;
};

DrawnParts DrawnPartsOf(const TGearDesign& d, const PartSizes& sizes);

}  // namespace gearpair
