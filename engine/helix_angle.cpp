// The entered, hand-off and cut helix angles.
#include "engine/helix_angle.h"

#include <cmath>
#include <numbers>

namespace gearpair {

double EnteredHelixDegrees(const TGearDesign& d) {
    return d.bettaEntered;
}

double HandoffHelixDegrees(const TGearDesign& d) {
    return d.betta * kDegreesPerRadian;
}

double CutHelixDegrees(const TGearDesign& d) {
    // The same expression as the geometry's cosbetta: the total tooth count is z1 + z2.
    const double cosbetta = ((d.z1 + d.z2) * d.mn) / (2 * d.aw);
    return std::acos(cosbetta) * (180 / std::numbers::pi);
}

}  // namespace gearpair
