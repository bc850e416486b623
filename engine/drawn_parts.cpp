// The parts as drawn.
#include "engine/drawn_parts.h"

#include <algorithm>

namespace gearpair {

bool PairCannotBeBuilt(const TGearDesign& d, const PartSizes& sizes) {
    return d.df1 < sizes.dvw;
}

DrawnParts DrawnPartsOf(const TGearDesign& d, const PartSizes& sizes,
                        const AcceptedSizes& accepted) {
    DrawnParts parts;
    parts.wheel = WheelPart(d, accepted);
    parts.pinion = PinionPart(d, accepted);
    parts.gearShaftReason = GearShaftReason(parts.pinion, d.mn);
    if (PairCannotBeBuilt(d, sizes)) {
        parts.pinionForm = PinionForm::CannotBeBuilt;
    } else if (parts.gearShaftReason) {
        parts.pinionForm = PinionForm::GearShaft;
    }
    if (parts.pinionForm != PinionForm::OnKey) {
        parts.shaftDiameter = GearShaftStub(parts.pinion.bore, d.df1, sizes.dvw);
        parts.pinion = GearShaftPart(parts.pinion);
    }
    return parts;
}

}  // namespace gearpair
