// The wheel and the pinion as the working drawings and the models show them: shaped from the
// accepted sizes (normal linear sizes, the standard tooth-tip chamfer), and the pinion's form
// decided on the part as it is made, with its accepted bore and keyway. The sheets, the
// models, the masses and the design's warnings read them, so that all of them speak of the
// same part.
#pragma once

#include <string>

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
    // Why the pinion is a gear shaft (GearShaftReason of the accepted pinion), or empty.
    std::string gearShaftReason;
};

DrawnParts DrawnPartsOf(const TGearDesign& d, const PartSizes& sizes);

}  // namespace gearpair
