// The gear as a closed triangle mesh: the helical tooth flanks between sections turned along
// the helix, the straight bore with its keyway, and the two end faces. Every edge is shared by
// exactly two triangles that run it in opposite directions, and every triangle is
// counter-clockwise seen from outside the material.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/gear_section.h"

namespace gearpair {

struct Mesh {
    std::vector<std::array<double, 3>> vertices;  // mm; the first end face at z = 0
    std::vector<std::array<std::uint32_t, 3>> triangles;
};

// The mesh of the section swept along its face width. The flanks are cut into as many slices as
// keep the straight edges between them within `tolerance` (mm) of the helices they join.
Mesh GearMesh(const GearSection& section, double tolerance);

// The enclosed volume, mm³ (positive for an outward-facing mesh).
double MeshVolume(const Mesh& mesh);

}  // namespace gearpair
