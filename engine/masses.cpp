// Masses of the parts from their volumes.
#include "engine/masses.h"

namespace gearpair {

namespace {

constexpr double kSteelDensity = 7850e-9;  // kg/mm^3

}  // namespace

double SteelMass(double volume) {
    return volume * kSteelDensity;
}

PartMasses DrawnMasses(const DrawnParts& parts) {
    PartMasses masses;
    masses.wheel = SteelMass(PartVolume(parts.wheel));
    masses.pinion = SteelMass(PartVolume(parts.pinion));
    masses.total = masses.wheel + masses.pinion;
    return masses;
}

}  // namespace gearpair
