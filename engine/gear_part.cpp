// The wheel and the pinion as parts: their shape decisions and volume.
#include "engine/gear_part.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace gearpair {

namespace {

constexpr int kMostHoles = 8;
constexpr int kFewestHoles = 4;
// The thinnest rim a pinion on a key may keep under its roots, in modules.
constexpr double kKeyedRimModules = 2.5;

double Disc(double diameter) {
    return std::numbers::pi / 4 * diameter * diameter;
}

}  // namespace

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

double PartVolume(const GearPart& p) {
    const double hubLength = std::max(p.hubLength, p.face);
    double volume = 0;
    if (p.web) {
        volume = (Disc(p.tip) - Disc(p.rimInner)) * p.face +
                 (Disc(p.rimInner) - Disc(p.hubDiameter)) * p.webThickness -
                 p.holes * Disc(p.holeDiameter) * p.webThickness +
                 (Disc(p.hubDiameter) - Disc(p.bore)) * hubLength;
    } else {
        volume = (Disc(p.tip) - Disc(p.bore)) * p.face;
        if (p.HasHub()) volume += (Disc(p.hubDiameter) - Disc(p.bore)) * (hubLength - p.face);
    }
    if (p.keyway) volume -= p.keyway->width * p.keyway->hubDepth * hubLength;
    // A 45-degree chamfer ring on each face at the tip.
    volume -= 2 * std::numbers::pi * p.tip * p.chamfer * p.chamfer / 2;
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
