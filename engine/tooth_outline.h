// The transverse outline of a gear cut by the basic rack of ГОСТ 13755 (α 20°, addendum 1·m,
// clearance 0,25·m, root fillet radius 0,38·m) with no profile shift, at the helix angle the
// teeth are cut at: per flank the involute from the form circle to the tip, the trochoidal
// fillet that the rack's tip rounding generates, and the root and tip arcs. Pure geometry:
// the profile files and the windows draw it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace gearpair {

struct OutlinePoint {
    double x = 0;  // mm, from the gear's axis
    double y = 0;
};

// The curve a point of the outline lies on.
enum class OutlinePart : std::uint8_t { Root, Fillet, Involute, Tip };

// The transverse quantities of a gear, mm and radians.
struct TransverseGear {
    std::int32_t z = 0;
    double mn = 0;           // normal module
    double beta = 0;         // helix angle at the pitch circle
    double alphaT = 0;       // transverse pressure angle
    double pitchRadius = 0;  // z·mn / (2·cos β)
    double baseRadius = 0;
    double tipRadius = 0;   // pitch radius + mn
    double rootRadius = 0;  // pitch radius − 1,25·mn
    double formRadius = 0;  // where the involute meets the fillet
};

TransverseGear TransverseGearOf(std::int32_t z, double mn, double beta);

// The polar angle of the involute flank at radius r (>= the base radius), measured from the
// middle of the tooth space towards the tooth, radians.
double FlankAngle(const TransverseGear& g, double r);

// The area of the whole transverse section inside the outline, mm²: the tooth spaces cut.
double OutlineArea(const TransverseGear& g);

// The angle the teeth's material spans at radius r in all, radians: z times the tooth's
// angular thickness; r on the involute (below the form circle, the form circle's).
double MaterialAngle(const TransverseGear& g, double r);

// The whole gear as one closed polygon, counter-clockwise, the first point in the middle of a
// tooth space on the +x axis, the last point not repeating the first. Every point lies on the
// exact curve of its part; no chord departs from its curve by more than `tolerance` (mm), and
// each chord is the longest that keeps to it. The middles of tooth and space carry a point.
struct GearOutline {
    TransverseGear gear;
    std::vector<OutlinePoint> points;
    std::vector<OutlinePart> parts;  // the curve of each point
    std::size_t pointsPerPitch = 0;  // the outline is z copies of one pitch, turned
    // Where one curve hands over to the next within the first pitch, in order: root to fillet,
    // fillet to involute, involute to tip, tip to involute, involute to fillet, fillet to root.
    // Point 0 (the space's middle) and the tooth's middle lie inside the root and tip arcs.
    std::vector<std::size_t> joints;
};

GearOutline ToothOutline(std::int32_t z, double mn, double beta, double tolerance = 0.001);

// The angle taken into [0, 2π), radians.
double WrappedAngle(double angle);

}  // namespace gearpair
