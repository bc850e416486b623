// Check data of a gear cut by the basic rack with no profile shift: the common normal length W
// over z_w teeth (ГОСТ 16532-70), or, where the face is too narrow for the measuring faces to
// touch W's flanks, the constant chord and its height.
#pragma once

#include <cstdint>

#include "engine/gear_design.h"

namespace gearpair {

// Pressure angle of the basic rack, degrees.
inline constexpr double kRackPressureDegrees = 20;

struct CheckData {
    // True when the face width holds W's contact points with the 5 mm margin; then W and z_w
    // are the check, otherwise the constant chord and its height are.
    bool normalMeasurable = false;
    std::int32_t teethSpanned = 0;  // z_w
    double commonNormal = 0;        // W, mm, in the normal plane
    double constantChord = 0;       // s̄c, mm
    double chordHeight = 0;         // h̄c, mm, from the tip circle
};

// z_w and W of z teeth of normal module mn (mm) cut at the helix angle beta (radians) with no
// shift, and the constant chord of mn; faceWidth (mm) decides which one the gear is checked by.
CheckData GearCheckData(std::int32_t z, double mn, double beta, double faceWidth);

struct PairCheckData {
    CheckData wheel;
    CheckData pinion;
};

// Both gears of a completed design at the cut helix angle, each on its own face width.
PairCheckData DesignCheckData(const TGearDesign& d);

}  // namespace gearpair
