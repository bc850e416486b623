// The fatigue of a shaft's section under bending (symmetric cycle) and torsion (pulsating
// cycle): the net section moduli and the stress amplitudes.
#pragma once

#include <string_view>

namespace gearpair {

// What concentrates the stress in the section.
enum class SectionKind {
    KeySeat,   // a fitted gear seat with the keyway of a key
    Shoulder,  // the shoulder of a bearing seat, with its fillet
};

struct SectionGeometry {
    SectionKind kind = SectionKind::KeySeat;
    double d = 0;       // diameter of the section, mm
    double keyB = 0;    // key width, mm (KeySeat)
    double keyT1 = 0;   // keyway depth in the shaft, mm (KeySeat)
    double D = 0;       // the larger diameter of the shoulder, mm (Shoulder)
    double fillet = 0;  // fillet radius of the shoulder, mm (Shoulder)
};

// The stresses of the section and, where the factors of the section are known, its safety.
// The concentration, size and surface factors and the steel's endurance limits are not at hand
// from a source the calculation can name, so the safety factors stay unknown (`known` false)
// rather than leave the stress concentration out.
struct SectionFatigue {
    double sigmaA = 0;  // bending stress amplitude, MPa
    double tauA = 0;    // torsion amplitude = mean stress (pulsating torsion), MPa
    bool known = false;
    double Ssigma = 0;
    double Stau = 0;
    double S = 0;
    double allowable = 0;  // [S]
};

// The net section moduli of the section, mm³: a key seat without its keyway, a shoulder whole.
struct SectionModuli {
    double bending = 0;  // W
    double torsion = 0;  // Wk
};
SectionModuli NetSectionModuli(const SectionGeometry& section);

// The stresses of the section under the resultant bending moment M and the torque T (N*m):
// σa = M / W in the symmetric cycle of a turning shaft, τa = τm = T / (2 Wk) under a pulsating
// torque. Throws FloatError.
SectionFatigue SectionSafety(const SectionGeometry& section, double M, double T);

}  // namespace gearpair
