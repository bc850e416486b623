// Warnings about the parts of a design.
#include "engine/warnings.h"

#include "core/decimal_text.h"
#include "engine/drawn_parts.h"

namespace gearpair {

std::string GearShaftWarning(const std::string& reason) {
    return "Шестерню выполнить заодно с валом: " + reason;
}

bool CannotBeBuilt(const TGearDesign& d, const PartSizes& sizes) {
    return d.df1 < sizes.dvw;
}

std::vector<std::string> DesignWarnings(const TGearDesign& d, const PartSizes& sizes) {
    std::vector<std::string> warnings;
    if (CannotBeBuilt(d, sizes)) {
        warnings.push_back("Передача неосуществима: диаметр впадин шестерни df1 = " +
                           SizeText(d.df1) + " мм меньше диаметра вала " + SizeText(sizes.dvw) +
                           " мм, необходимого для передачи момента; увеличьте межосевое "
                           "расстояние");
        return warnings;
    }
    // As the pinion is made: with its accepted bore and keyway.
    const std::string reason = DrawnPartsOf(d, sizes).gearShaftReason;
    if (!reason.empty()) warnings.push_back(GearShaftWarning(reason));
    return warnings;
}

}  // namespace gearpair
