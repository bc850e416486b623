// Masses of the parts from their volumes.
#include "engine/masses.h"

#include "engine/gear_part.h"

namespace gearpair {

namespace {

constexpr double kSteelDensity = 7850e-9;  // kg/mm^3

}  // namespace

double SteelMass(double volume) {
    return volume * kSteelDensity;
}

PartMasses DesignMasses(const TGearDesign& d, const PartSizes& sizes) {
    PartMasses masses;
    masses.wheel = SteelMass(PartVolume(WheelPart(d, sizes)));
    const GearPart pinion = PinionPart(d, sizes);
    const bool gearShaft = !GearShaftReason(pinion, d.mn).empty();
    masses.pinion = SteelMass(PartVolume(gearShaft ? GearShaftPart(pinion) : pinion));
    masses.total = masses.wheel + masses.pinion;
    return masses;
}

}  // namespace gearpair
