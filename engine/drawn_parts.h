// The wheel and the pinion as the working drawings and the models show them: shaped from the
// accepted sizes (normal linear sizes, the standard tooth-tip chamfer), and the pinion's form
// decided on the part as it is made, with its accepted bore and keyway.
#pragma once

#include <optional>

#include "engine/accepted_sizes.h"
#include "engine/gear_design.h"
#include "engine/gear_part.h"
#include "engine/part_sizes.h"
#include "engine/part_warning.h"

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
    // Why the pinion cannot sit on a key (GearShaftReason of the accepted pinion), or nothing.
    std::optional<PartWarning> gearShaftReason;
};

// True when the pinion's root circle is smaller than the shaft the torque needs (df1 < dvw of
// the computed sizes): not even a gear shaft carries the torque.
bool PairCannotBeBuilt(const TGearDesign& d, const PartSizes& sizes);

// The parts of a completed design from its computed and its accepted sizes.
DrawnParts DrawnPartsOf(const TGearDesign& d, const PartSizes& sizes,
                        const AcceptedSizes& accepted);

}  // namespace gearpair
