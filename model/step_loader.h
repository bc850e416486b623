// The STEP writer in a module of its own (gearpair-step.so with OpenCASCADE behind it), loaded
// on the first STEP file, so that neither program loads the modelling kernel at its start.
// The module is looked for in the library folder of the installation the running program
// belongs to (<prefix>/<libdir>/gearpair), then in the build tree that made it.
#pragma once

#include <string>

#include "model/gear_section.h"

namespace gearpair {

// The start of the message of a failure inside the modelling kernel.
inline constexpr const char* kStepKernelFailure =
    "Не удалось построить твердотельную модель зубчатого колеса";

// The STEP file's text of the gear through the module, loaded on the first call (from any
// thread). Throws Error with the module's message when it cannot be loaded or the model fails.
std::string ModuleStepText(const GearSection& section, const std::string& name);

}  // namespace gearpair
