// Both working drawings of a design.
#include "drawing/drawings.h"

#include "drawing/gear_part.h"
#include "drawing/gear_sheet.h"
#include "drawing/gear_tables.h"

namespace gearpair {

DrawingSet BuildDrawings(const TGearDesign& d, const PartSizes& sizes) {
    DrawingSet set;
    const GearPart wheel = WheelPart(d, sizes);
    set.wheel = BuildGearSheet(wheel, GearSheetTexts{"Колесо зубчатое", ParameterRows(d, true),
                                                     Requirements(wheel, d.hkol, true, "")});
    const GearPart pinion = PinionPart(d, sizes);
    const std::string reason = GearShaftReason(pinion, d.mn);
    if (!reason.empty()) set.warnings.push_back(GearShaftWarning(reason));
    set.pinion = BuildGearSheet(pinion, GearSheetTexts{"Шестерня", ParameterRows(d, false),
                                                       Requirements(pinion, d.hw, false, reason)});
    return set;
}

}  // namespace gearpair
