// A gear as a part: the toothed rim, the web with its holes (wheel) or none, the hub and the
// bore with its keyway, from the design record and the part sizes. The shape decisions live
// here: the solid disc, the hole count, the gear shaft; the drawings and the masses read them.
#pragma once

#include <cstdint>
#include <optional>

#include "engine/gear_design.h"
#include "engine/keyway.h"
#include "engine/part_sizes.h"
#include "engine/part_warning.h"

namespace gearpair {

// All sizes in mm of the part.
struct GearPart {
    double tip = 0;      // da
    double root = 0;     // df
    double pitch = 0;    // d
    double face = 0;     // b, the toothed rim's width
    double chamfer = 0;  // n x 45 degrees at the tooth tips
    // The teeth as cut: their number, the normal module and the helix angle (radians); a part
    // without teeth (0) is weighed as a cylinder to the tip circle.
    std::int32_t teeth = 0;
    double module = 0;
    double helix = 0;
    double hubDiameter = 0;
    double hubLength = 0;
    double bore = 0;
    std::optional<Keyway> keyway;  // none outside the key table
    // The web between rim and hub; a solid disc has none.
    bool web = false;
    double rimInner = 0;  // df - 2 x rim thickness
    double webThickness = 0;
    int holes = 0;          // 0 on a solid disc
    double holeCircle = 0;  // diameter through the hole centres
    double holeDiameter = 0;

    // The hub is drawn only when it is larger than the bore.
    bool HasHub() const { return hubDiameter > bore; }
    // The tip chamfer as made: no deeper than half the face or half the tooth depth.
    double TipChamfer() const;
    // Radius of the keyway's bottom in the hub, or of the bore without a keyway.
    double KeywayRadius() const { return bore / 2 + (keyway ? keyway->hubDepth : 0); }
};

// Web holes that fit on the hole circle with at least one hole diameter of web between two
// neighbours, at most 8; fewer than 4 give 0.
int WebHoleCount(double holeCircle, double holeDiameter);

// The wheel: a web with holes when the rim's inner diameter exceeds the hub diameter and 4 or
// more holes fit between them, otherwise a solid disc.
GearPart WheelPart(const TGearDesign& d, const PartSizes& sizes);

// The pinion: always solid.
GearPart PinionPart(const TGearDesign& d, const PartSizes& sizes);

// Why a pinion on a key would break, or nothing: the material between the root circle and the
// keyway's bottom thinner than 2.5 x mn, or a hub no larger than the bore.
std::optional<PartWarning> GearShaftReason(const GearPart& pinion, double mn);

// The toothed part of a pinion made in one piece with its shaft: no bore, no keyway, no hub
// (the shaft stubs beyond the face are not part of the gear's volume).
GearPart GearShaftPart(const GearPart& pinion);

// Volume of the part as made, mm^3: the toothed rim with its tooth spaces cut, the web less
// its holes, the hub, less the bore with its keyway and the tip chamfers; never below zero.
double PartVolume(const GearPart& part);

// The area of the keyway's cross-section beyond the bore's circle, mm^2.
double KeywayArea(double bore, const Keyway& keyway);

// The steel one tip chamfer cuts off the toothed rim, mm^3.
double ChamferVolume(const GearPart& part);

}  // namespace gearpair
