// What the engineer must be told about the parts of a completed design, in every output of the
// run: a pinion that has to be made in one piece with its shaft, and a design whose pinion
// cannot carry the torque even then.
#pragma once

#include <string>
#include <vector>

#include "engine/gear_design.h"
#include "engine/part_sizes.h"

namespace gearpair {

// "Шестерню выполнить заодно с валом: " and the reason.
std::string GearShaftWarning(const std::string& reason);

// True when the pinion's root circle is smaller than the shaft the torque needs (df1 < dvw):
// not even a gear shaft carries the torque.
bool CannotBeBuilt(const TGearDesign& d, const PartSizes& sizes);

// The warnings of a completed design, most serious first; empty when there is nothing to say.
std::vector<std::string> DesignWarnings(const TGearDesign& d, const PartSizes& sizes);

}  // namespace gearpair
