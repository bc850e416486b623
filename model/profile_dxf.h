// The profile DXF of a gear for cutting machines: the tooth outline and the bore with its
// keyway as two closed polylines on their own layers, at real size in millimetres, nothing
// else. R2000 (LWPOLYLINE) by default, R12 (POLYLINE with VERTEX entities) for older CAM.
#pragma once

#include <string>

#include "model/gear_section.h"

namespace gearpair {

enum class DxfVersion { R2000, R12 };

inline constexpr const char* kOutlineLayer = "TEETH";
inline constexpr const char* kBoreLayer = "BORE";

std::string ProfileDxf(const GearSection& section, DxfVersion version);

}  // namespace gearpair
