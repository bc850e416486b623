// The wheel and the pinion as parts: their shape decisions and volume.
#include "engine/gear_part.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/helix_angle.h"
#include "engine/tooth_outline.h"

namespace gearpair {

namespace {

constexpr int kMostHoles = 8;
constexpr int kFewestHoles = 4;
// The thinnest rim a pinion on a key may keep under its roots, in modules.
constexpr double kKeyedRimModules = 2.5;

double Disc(double diameter) {
    return std::numbers::pi / 4 * diameter * diameter;
}

// The teeth as the wheel's and the pinion's cutter makes them.
void WithTeeth(GearPart& part, std::int32_t teeth, const TGearDesign& d) {
    part.teeth = teeth;
    part.module = d.mn;
    part.helix = CutHelixDegrees(d) * std::numbers::pi / 180;
}

// Gauss–Legendre's 8 nodes and weights on [-1, 1], by pairs ±x.
constexpr double kGaussNodes[4] = {0.1834346424956498, 0.5255324099163290, 0.7966664774136267,
                                   0.9602898564975363};
constexpr double kGaussWeights[4] = {0.3626837833783620, 0.3137066458778873, 0.2223810344533745,
                                     0.1012285362903763};

}  // namespace

double GearPart::TipChamfer() const {
    return std::max(0.0, std::min(chamfer, std::min(face / 2, (tip - root) / 2)));
}

int WebHoleCount(double holeCircle, double holeDiameter) {
    // Centre distance of neighbours (the chord) at least two hole diameters.
    for (int count = kMostHoles; count >= kFewestHoles; --count) {
        const double chord = holeCircle * std::sin(std::numbers::pi / count);
        if (chord >= 2 * holeDiameter) return count;
    }
    return 0;
}

GearPart WheelPart(const TGearDesign& d, const PartSizes& sizes) {
    GearPart part;
    part.tip = d.da2;
    part.root = d.df2;
    part.pitch = d.d2;
    part.face = d.bkol;
    part.chamfer = sizes.chamferWheel;
    part.hubDiameter = sizes.dstkol;
    part.hubLength = sizes.lstkol;
    part.bore = sizes.dvkol;
    part.keyway = KeywayForBore(sizes.dvkol);
    WithTeeth(part, d.z2, d);
    part.rimInner = d.df2 - 2 * sizes.deltakol;
    part.webThickness = sizes.ckol;
    const int holes = WebHoleCount(sizes.DBotvkol, sizes.Dotvkol);
    const bool holesFit = sizes.Dotvkol > 0 && sizes.DBotvkol - sizes.Dotvkol > sizes.dstkol &&
                          sizes.DBotvkol + sizes.Dotvkol < part.rimInner;
    if (part.rimInner > sizes.dstkol && holes > 0 && holesFit && part.hubLength > part.face) {
        part.web = true;
        part.holes = holes;
        part.holeCircle = sizes.DBotvkol;
        part.holeDiameter = sizes.Dotvkol;
    }
    return part;
}

GearPart PinionPart(const TGearDesign& d, const PartSizes& sizes) {
    GearPart part;
    part.tip = d.da1;
    part.root = d.df1;
    part.pitch = d.d1;
    part.face = d.bw;
    part.chamfer = sizes.chamferPinion;
    part.hubDiameter = sizes.dstw;
    part.hubLength = sizes.lstw;
    part.bore = sizes.dvw;
    part.keyway = KeywayForBore(sizes.dvw);
    WithTeeth(part, d.z1, d);
    return part;
}

std::optional<PartWarning> GearShaftReason(const GearPart& pinion, double mn) {
    if (!pinion.HasHub()) {
        return PartWarning{PartWarningCode::GearShaftNoHub, pinion.hubDiameter, pinion.bore};
    }
    const double rim = pinion.root / 2 - pinion.KeywayRadius();
    if (rim < kKeyedRimModules * mn) {
        return PartWarning{PartWarningCode::GearShaftThinRim, rim, kKeyedRimModules * mn,
                           pinion.keyway.has_value()};
    }
    return std::nullopt;
}

double KeywayArea(double bore, const Keyway& keyway) {
    // The slot from the chord its sides cut on the bore to its bottom, less the circle's
    // segment over that chord.
    const double r = bore / 2;
    const double half = keyway.width / 2;
    const double chord = std::sqrt(r * r - half * half);
    const double segment = r * r * std::asin(half / r) - half * chord;
    return keyway.width * (r + keyway.hubDepth - chord) - segment;
}

double ChamferVolume(const GearPart& p) {
    const double n = p.TipChamfer();
    if (n <= 0) return 0;
    if (p.teeth <= 0) {
        // A triangle n x n turned about the axis at its centroid, n/3 inside the tip.
        return std::numbers::pi * (p.tip - 2 * n / 3) * n * n / 2;
    }
    // The cone cuts, at each radius r of its depth, the teeth's material there: the integral of
    // (r - inner) times the arc r x MaterialAngle(r) from inner to the tip radius.
    const TransverseGear g = TransverseGearOf(p.teeth, p.module, p.helix);
    const double inner = g.tipRadius - n;
    const double middle = inner + n / 2;
    double sum = 0;
    for (int i = 0; i < 4; ++i) {
        for (const double sign : {-1.0, 1.0}) {
            const double r = middle + sign * kGaussNodes[i] * n / 2;
            sum += kGaussWeights[i] * (r - inner) * r * MaterialAngle(g, r);
        }
    }
    return sum * n / 2;
}

double PartVolume(const GearPart& p) {
    const double hubLength = std::max(p.hubLength, p.face);
    const double section =
        p.teeth > 0 ? OutlineArea(TransverseGearOf(p.teeth, p.module, p.helix)) : Disc(p.tip);
    double volume = 0;
    double boreLength = p.face;
    if (p.web) {
        volume = (section - Disc(p.rimInner)) * p.face +
                 (Disc(p.rimInner) - Disc(p.hubDiameter)) * p.webThickness -
                 p.holes * Disc(p.holeDiameter) * p.webThickness +
                 (Disc(p.hubDiameter) - Disc(p.bore)) * hubLength;
        boreLength = hubLength;
    } else {
        volume = (section - Disc(p.bore)) * p.face;
        if (p.HasHub()) {
            volume += (Disc(p.hubDiameter) - Disc(p.bore)) * (hubLength - p.face);
            boreLength = hubLength;
        }
    }
    if (p.keyway && p.bore > 0) volume -= KeywayArea(p.bore, *p.keyway) * boreLength;
    volume -= 2 * ChamferVolume(p);
    return std::max(volume, 0.0);
}

GearPart GearShaftPart(const GearPart& pinion) {
    GearPart part = pinion;
    part.bore = 0;
    part.keyway.reset();
    part.hubDiameter = 0;
    part.hubLength = pinion.face;
    return part;
}

}  // namespace gearpair
