// The model files of a completed design in a directory: per gear the profile DXF, the STL and,
// where the build carries the STEP writer, the STEP model.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/gear_design.h"
#include "engine/part_sizes.h"
#include "model/profile_dxf.h"

namespace gearpair {

// Chord tolerances, mm: the profile at the outline's own micrometre; the STL, which printers
// and viewers take, at 10 µm, a fraction of any printer's step and a tenth of the points.
inline constexpr double kProfileTolerance = 0.001;
inline constexpr double kMeshTolerance = 0.01;

// The STEP file's bytes of a gear's drawn part, its section swept along its helix; the front
// ends hand in the OpenCASCADE writer where the build has it.
using StepWriter = std::function<std::string(const GearSection&, const std::string& name)>;

// Writes wheel-profile.dxf, pinion-profile.dxf, wheel.stl, pinion.stl and, given a STEP
// writer, wheel.step and pinion.step into `dir` (which must exist), each replaced atomically,
// and returns their paths in that order. The first failure throws FileError naming its file;
// the files written before it stay.
std::vector<std::string> WriteModels(const TGearDesign& d, const PartSizes& sizes,
                                     const std::string& dir, DxfVersion dxf,
                                     const StepWriter& step = {});

}  // namespace gearpair
