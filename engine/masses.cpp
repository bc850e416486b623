// Masses of the parts from their volumes.
#include "engine/masses.h"

#include <cmath>

namespace gearpair {

namespace {

constexpr double kSteelDensity = 7850e-9;  // kg/mm^3
// The masses are kept to the milligram. The tooth outline's area comes through the C library's
// inverse trigonometric functions, whose last bit differs between C libraries: a mass to 16
// digits would then differ between the Linux and the Windows program, a mass to the milligram
// does not.
constexpr double kMilligramsPerKilogram = 1e6;

}  // namespace

double SteelMass(double volume) {
    return volume * kSteelDensity;
}

double PartMass(const GearPart& part) {
    return std::round(SteelMass(PartVolume(part)) * kMilligramsPerKilogram) /
           kMilligramsPerKilogram;
}

PartMasses DrawnMasses(const DrawnParts& parts) {
    PartMasses masses;
    masses.wheel = PartMass(parts.wheel);
    masses.pinion = PartMass(parts.pinion);
    masses.total = masses.wheel + masses.pinion;
    return masses;
}

}  // namespace gearpair
