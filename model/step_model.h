// The STEP model (AP214) of a gear's drawn part through OpenCASCADE, one solid: the tooth
// outline lofted through sections turned along the helix with the tip chamfers cut, the web
// with its holes or the solid disc, the hub, the bore with its keyway.
#pragma once

#include <string>

#include "model/gear_section.h"

namespace gearpair {

// The STEP file's text of the gear; `name` names the part in the file.
std::string StepText(const GearSection& section, const std::string& name);

}  // namespace gearpair
