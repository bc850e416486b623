// The cross-section of a gear as its model files show it: the tooth outline, and the bore with
// its keyway as a second contour, both in mm about the gear's axis; with the face width, the
// turn of the helix along it and the drawn part round the rim, the whole gear.
#pragma once

#include <optional>
#include <vector>

#include "engine/drawn_parts.h"
#include "engine/gear_design.h"
#include "engine/gear_part.h"
#include "engine/tooth_outline.h"

namespace gearpair {

struct GearSection {
    GearOutline outline;
    // Counter-clockwise, the keyway (if any) towards +y; empty for a gear made in one piece with
    // its shaft, which the model shows without a bore.
    std::vector<OutlinePoint> bore;
    double boreDiameter = 0;  // mm; 0 without a bore
    double keyWidth = 0;      // mm; 0 without a keyway
    double keyDepth = 0;      // t2, mm
    double face = 0;          // face width, mm
    double twist = 0;  // turn of the section per mm along the axis, radians: + right-hand helix
    // The part as drawn round the toothed rim: web and holes or solid disc, hub, chamfers. A
    // part left empty makes the toothed rim of the face width alone, with the bore above.
    GearPart part;
};

// The contour of a bore of diameter `bore` with a hub keyway of `width` and `hubDepth` (t2) at
// +y, or a plain circle without one; chords within `tolerance` of the circle. The angles in
// `through` (radians) get a point each, so that rays from the axis at them end on a vertex.
std::vector<OutlinePoint> BoreContour(double bore, std::optional<double> width, double hubDepth,
                                      double tolerance, const std::vector<double>& through = {});

// The wheel (right-hand teeth) and the pinion (left-hand) of a completed design at the cut
// helix angle, with the bores and keyways as the working drawings show them (the accepted
// bores, none on a gear shaft); outlines within `tolerance`.
GearSection WheelSection(const TGearDesign& d, const DrawnParts& parts, double tolerance);
GearSection PinionSection(const TGearDesign& d, const DrawnParts& parts, double tolerance);

// The polygon's area, mm², positive for a counter-clockwise one.
double PolygonArea(const std::vector<OutlinePoint>& polygon);

}  // namespace gearpair
