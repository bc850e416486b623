// One model file of a completed design, as the desktop programs' menus save it: a gear's
// profile DXF, STL or (where the build has the STEP writer) STEP model at a path the user chose.
#pragma once

#include <string>

#include "engine/drawn_parts.h"
#include "engine/gear_design.h"

namespace gearpair {

enum class GearModelFile {
    WheelDxf,
    PinionDxf,
    WheelStl,
    PinionStl,
#ifdef GEARPAIR_STEP
    WheelStep,
    PinionStep,
#endif
};

// Makes the file's bytes from the design (the STEP model through the module, seconds) and
// replaces `path` with them atomically: a failure leaves the previous file, or none, and throws
// Error with the file layer's or the module's message.
void SaveGearModel(const TGearDesign& d, const DrawnParts& parts, GearModelFile file,
                   const std::string& path);

}  // namespace gearpair
