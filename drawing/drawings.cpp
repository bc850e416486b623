// Both working drawings of a design.
#include "drawing/drawings.h"

#include "drawing/gear_sheet.h"
#include "drawing/gear_tables.h"
#include "engine/gear_part.h"
#include "engine/warnings.h"

namespace gearpair {

DrawingSet BuildDrawings(const TGearDesign& d, const PartSizes& sizes) {
    DrawingSet set;
    const GearPart wheel = WheelPart(d, sizes);
    set.wheel = BuildGearSheet(wheel, GearSheetTexts{"Колесо зубчатое", ParameterRows(d, true),
                                                     Requirements(wheel, d.hkol, true, "")});
    const GearPart pinion = PinionPart(d, sizes);
    const std::string reason = GearShaftReason(pinion, d.mn);
    set.warnings = DesignWarnings(d, sizes);
    set.pinion = BuildGearSheet(pinion, GearSheetTexts{"Шестерня", ParameterRows(d, false),
                                                       Requirements(pinion, d.hw, false, reason)});
    return set;
}

}  // namespace gearpair
