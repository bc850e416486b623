// Common normal length and constant chord of an unshifted involute gear.
#include "engine/check_data.h"

#include <cmath>
#include <numbers>

#include "engine/helix_angle.h"

namespace gearpair {

namespace {

// The constant chord and its height for the 20° rack, in modules: (π/2)·cos²α and
// 1 − (π/8)·sin 2α, to the four decimals the tables give them.
constexpr double kConstantChordModules = 1.3871;
constexpr double kChordHeightModules = 0.7476;

// The margin of the face width over W's axial extent, mm, that keeps the measuring faces on the
// flanks rather than on the end chamfers.
constexpr double kFaceMarginMm = 5;

// Tooth-count rounding: far below the spacing of the quantity rounded (about 1/9 per tooth) and
// far above the error of its trigonometry.
constexpr double kTieTolerance = 1e-9;

}  // namespace

CheckData GearCheckData(std::int32_t z, double mn, double beta, double faceWidth) {
    const double alpha = kRackPressureDegrees * std::numbers::pi / 180;
    const double alphaT = std::atan(std::tan(alpha) / std::cos(beta));
    const double invAlphaT = std::tan(alphaT) - alphaT;
    const double betaB = std::asin(std::sin(beta) * std::cos(alpha));
    const double cosBetaB = std::cos(betaB);

    CheckData c;
    // The teeth whose flanks the measuring faces touch nearest the pitch circle. For a spur gear
    // the quantity rounded is z·α/180° + 0,5, a tie at every ninth tooth count: the standard's
    // tables take the smaller count there (18 teeth span 2), so half rounds down, and the
    // tolerance keeps the last bit of the trigonometry from deciding a tie.
    const double span =
        z / std::numbers::pi * (std::tan(alphaT) / (cosBetaB * cosBetaB) - invAlphaT) + 0.5;
    c.teethSpanned = static_cast<std::int32_t>(std::ceil(span - 0.5 - kTieTolerance));
    if (c.teethSpanned < 1) c.teethSpanned = 1;
    c.commonNormal =
        mn * std::cos(alpha) * (std::numbers::pi * (c.teethSpanned - 0.5) + z * invAlphaT);
    c.constantChord = kConstantChordModules * mn;
    c.chordHeight = kChordHeightModules * mn;
    c.normalMeasurable = faceWidth > c.commonNormal * std::sin(betaB) + kFaceMarginMm;
    return c;
}

PairCheckData DesignCheckData(const TGearDesign& d) {
    const double beta = CutHelixDegrees(d) * std::numbers::pi / 180;
    return {GearCheckData(d.z2, d.mn, beta, d.bkol), GearCheckData(d.z1, d.mn, beta, d.bw)};
}

}  // namespace gearpair
