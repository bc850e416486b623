// The statics of a shaft on two supports: the forces of the mesh on a gear, the reactions of the
// supports in the two planes, and the diagrams of the bending moments and the torque.
#pragma once

#include <array>
#include <span>
#include <vector>

#include "engine/shafts.h"

namespace gearpair {

// The forces of the mesh on a gear, N: tangential, radial and axial.
struct MeshForces {
    double Ft = 0;
    double Fr = 0;
    double Fa = 0;
};

// Ft = 2T / d, Fr = Ft tg α / cos β, Fa = Ft tg β for the torque T (N*m) on the pitch diameter
// d (mm) at the helix angle β (radians), α the basic rack's 20 degrees. Throws FloatError.
MeshForces MeshForcesOf(double torque, double pitchDiameter, double helix);

// The reactions of supports at x1 < x2 (mm) to the loads, in both planes, with their resultants;
// the axial forces of the loads are taken by support `axialSupport` (0 or 1). Throws FloatError.
std::array<ShaftSupport, 2> SupportReactions(std::span<const ShaftLoad> loads, double x1, double x2,
                                             int axialSupport);

// The stations of the diagrams from x = 0 to the shaft's length: at both ends, every load and
// every support; where a moment or the torque jumps, two stations share the x, the value left of
// it first. The torque `torque` runs between the two loads (the end load and the gear); a shaft
// with no end load carries it from its left end.
std::vector<DiagramStation> ShaftDiagram(const std::vector<ShaftLoad>& loads,
                                         const std::array<ShaftSupport, 2>& supports, double length,
                                         double torque);

// The resultant bending moment and the torque at x, interpolated along the diagram; at a jump the
// larger of the two sides. N*m.
DiagramStation DiagramAt(const std::vector<DiagramStation>& diagram, double x);

}  // namespace gearpair
