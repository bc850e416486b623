// The parts as drawn.
#include "engine/drawn_parts.h"

#include <algorithm>

#include "engine/accepted_sizes.h"
#include "engine/warnings.h"

namespace gearpair {

DrawnParts DrawnPartsOf(const TGearDesign& d, const PartSizes& sizes) {
    const AcceptedSizes accepted = AcceptSizes(d, sizes);
    DrawnParts parts;
    parts.wheel = WheelPart(d, accepted);
    parts.pinion = PinionPart(d, accepted);
    parts.gearShaftReason = GearShaftReason(parts.pinion, d.mn);
    if (CannotBeBuilt(d, sizes)) {
        parts.pinionForm = PinionForm::CannotBeBuilt;
    } else if (!parts.gearShaftReason.empty()) {
        parts.pinionForm = PinionForm::GearShaft;
    }
    if (parts.pinionForm != PinionForm::OnKey) {
        parts.shaftDiameter = std::min(parts.pinion.bore, d.df1);
        parts.pinion = GearShaftPart(parts.pinion);
    }
    return parts;
}

}  // namespace gearpair
