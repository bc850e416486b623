// The model files of a completed design in a directory: per gear the profile DXF, the STL and,
// where the build carries the STEP writer, the STEP model.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/drawn_parts.h"
#include "engine/gear_design.h"
#include "model/profile_dxf.h"

namespace gearpair {

// Chord tolerances, mm: the profile at the outline's own micrometre; the STL, which printers
// and viewers take, at 10 µm, a fraction of any printer's step and a tenth of the points.
inline constexpr double kProfileTolerance = 0.001;
inline constexpr double kMeshTolerance = 0.01;

// The STEP file's bytes of a gear's drawn part, its section swept along its helix; the front
// ends hand in the OpenCASCADE writer where the build has it.
using StepWriter = std::function<std::string(const GearSection&, const std::string& name)>;

// What writing a design's models produced.
struct ModelFiles {
    std::vector<std::string> written;  // the files written, in order
    std::string error;  // the message of the failure that ended the writing; empty when none
};

// Writes wheel-profile.dxf, pinion-profile.dxf, wheel.stl, pinion.stl and, given a STEP
// writer, wheel.step and pinion.step into `dir` (which must exist), each replaced atomically,
// in that order. The first failure ends the writing: its message names the file, and the files
// written before it stay and are listed.
ModelFiles WriteModels(const TGearDesign& d, const DrawnParts& parts, const std::string& dir,
                       DxfVersion dxf, const StepWriter& step = {});

}  // namespace gearpair
