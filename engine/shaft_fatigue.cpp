// The stresses of a shaft's section for its fatigue check.
#include "engine/shaft_fatigue.h"

#include <numbers>

#include "core/float_check.h"

namespace gearpair {

SectionModuli NetSectionModuli(const SectionGeometry& section) {
    const double d = section.d;
    const double d3 = d * d * d;
    SectionModuli w{std::numbers::pi * d3 / 32, std::numbers::pi * d3 / 16};
    if (section.kind == SectionKind::KeySeat) {
        // One keyway of width b and depth t1: the strength-of-materials approximation
        // b t1 (d - t1)² / (2d) taken off both moduli, mm³.
        const double t1 = section.keyT1;
        const double keyway = section.keyB * t1 * (d - t1) * (d - t1) / (2 * d);
        w.bending = w.bending - keyway;
        w.torsion = w.torsion - keyway;
    }
    return w;
}

SectionFatigue SectionSafety(const SectionGeometry& section, double M, double T) {
    const SectionModuli w = NetSectionModuli(section);
    SectionFatigue f;
    f.sigmaA = M * 1000 / w.bending;
    f.tauA = T * 1000 / (2 * w.torsion);
    RaiseFloatFaults();
    return f;
}

}  // namespace gearpair
