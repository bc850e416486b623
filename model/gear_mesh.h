// The gear as the closed triangle mesh of its drawn part: the helical tooth flanks between
// sections turned along the helix, the tip chamfers' cones across the teeth, the rim, the web
// with its holes or the solid disc, the hub, the bore with its keyway. Every edge is shared by
// exactly two triangles that run it in opposite directions, and every triangle is
// counter-clockwise seen from outside the material.
#pragma once

#include "model/gear_section.h"
#include "model/mesh_surfaces.h"

namespace gearpair {

// The mesh of the section's part. The flanks are cut into as many slices as keep the straight
// edges between them within `tolerance` (mm) of the helices they join, and the curves into
// chords within it; within a 400th of the module where that is finer, so that the mesh's
// volume stays within 0,05 % of the part's.
Mesh GearMesh(const GearSection& section, double tolerance);

// The enclosed volume, mm³ (positive for an outward-facing mesh).
double MeshVolume(const Mesh& mesh);

}  // namespace gearpair
