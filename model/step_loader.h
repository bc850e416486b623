// The STEP writer in a module of its own (gearpair-step.so with OpenCASCADE behind it), loaded
// on the first STEP file, so that neither program loads the modelling kernel at its start.
// The module is looked for beside the running program (where the build tree puts a copy for
// its programs and tests), then in the library folder of the installation the program belongs
// to (<prefix>/<libdir>/gearpair); a module that does not answer the program's own identity is
// refused.
#pragma once

#include <string>

#include "model/gear_section.h"

namespace gearpair {

// The number of the module's interface: the entry's arguments and the layout of what they point
// to. Raised with any change of them.
inline constexpr int kStepModuleInterface = 1;

// What the module answers (its symbol gearpair_step_identity) and the loader expects: the
// program's version, the interface and the sizes of the structures that cross the module's
// edge, "0.9.0/1/88/32". `version` is the project's version the file was compiled with.
inline std::string StepModuleIdentity(const char* version) {
    return std::string(version) + "/" + std::to_string(kStepModuleInterface) + "/" +
           std::to_string(sizeof(GearSection)) + "/" + std::to_string(sizeof(std::string));
}

// The start of the message of a failure inside the modelling kernel.
inline constexpr const char* kStepKernelFailure =
    "Не удалось построить твердотельную модель зубчатого колеса";

// The STEP file's text of the gear through the module, loaded on the first call (from any
// thread). Throws Error with the module's message when it cannot be loaded or the model fails.
std::string ModuleStepText(const GearSection& section, const std::string& name);

}  // namespace gearpair
