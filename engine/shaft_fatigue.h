// The fatigue safety factor of a shaft's section under bending (symmetric cycle) and torsion
// (pulsating cycle): S = Sσ Sτ / sqrt(Sσ² + Sτ²), with the steel's endurance limits and the
// concentration, size and surface factors of the section.
#pragma once

#include <string_view>

namespace gearpair {

// What concentrates the stress in the section.
enum class SectionKind {
    KeySeat,   // a fitted gear seat with the keyway of a key
    Shoulder,  // the shoulder of a bearing seat, with its fillet
};

struct ShaftSteel {
    std::string_view name;  // "Сталь 45"
    double sigmaB = 0;      // ultimate strength, MPa
    double sigmaM1 = 0;     // endurance limit in bending, symmetric cycle, MPa
    double tauM1 = 0;       // endurance limit in torsion, symmetric cycle, MPa
    double psiTau = 0;      // sensitivity to the mean stress in torsion
};

// The steel of a shaft turned from bar: see shaft_fatigue.cpp for its source.
extern const ShaftSteel kShaftSteel;

struct SectionGeometry {
    SectionKind kind = SectionKind::KeySeat;
    double d = 0;        // diameter of the section, mm
    double keyB = 0;     // key width, mm (KeySeat)
    double keyT1 = 0;    // keyway depth in the shaft, mm (KeySeat)
    double D = 0;        // the larger diameter of the shoulder, mm (Shoulder)
    double fillet = 0;   // fillet radius of the shoulder, mm (Shoulder)
};

struct SectionFatigue {
    double sigmaA = 0;   // bending stress amplitude, MPa
    double tauA = 0;     // torsion amplitude = mean stress, MPa
    double KsigmaD = 0;  // effective concentration of the section in bending, with size and surface
    double KtauD = 0;    // the same in torsion
    double Ssigma = 0;
    double Stau = 0;
    double S = 0;
    double allowable = 0;  // [S]
};

// The allowable safety factor [S]; see shaft_fatigue.cpp for its source.
extern const double kShaftAllowableSafety;

// The section's safety factor under the resultant bending moment M and the torque T (N*m).
// Throws FloatError.
SectionFatigue SectionSafety(const SectionGeometry& section, double M, double T,
                             const ShaftSteel& steel);

}  // namespace gearpair
