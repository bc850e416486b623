// The STEP model (AP214) of a gear through OpenCASCADE: the tooth outline lofted through
// sections turned along the helix, less the bore with its keyway, as one solid.
#pragma once

#include <string>

#include "model/gear_section.h"

namespace gearpair {

// The STEP file's text of the gear; `name` names the part in the file.
std::string StepText(const GearSection& section, const std::string& name);

}  // namespace gearpair
