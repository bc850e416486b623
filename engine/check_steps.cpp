// The step record of the geometry passes and the text of a check margin.
#include "core/format_fixed.h"
#include "engine/gear_design.h"

namespace gearpair {

CheckStep& CurrentStep(GearSession& session) {
    if (session.steps.empty()) {
        const TGearDesign& d = session.design;
        session.steps.push_back(CheckStep{d.aw, d.mn, d.z1, d.z2, {}, {}});
    }
    return session.steps.back();
}

std::string MarginPercentText(double margin) {
    return FormatFixed(100 * margin, 8, 1, ',');
}

}  // namespace gearpair
