// What the wheel's and the pinion's sheets say: the rows of the parameter table and the
// technical requirements, with the solid-disc, keyless-bore and gear-shaft lines.
#pragma once

#include <string>
#include <vector>

#include "drawing/title_block.h"
#include "engine/gear_design.h"
#include "engine/gear_part.h"

namespace gearpair {

// The helix angle of the record (radians) in degrees, as the user entered it.
double HelixDegrees(const TGearDesign& d);

// The eleven rows: module, teeth, helix angle, hand, basic rack, shift, accuracy, an empty
// row, pitch diameter, centre distance, teeth of the mating gear.
std::vector<TableRow> ParameterRows(const TGearDesign& d, bool wheel);

// Hardness, tolerances and radii, then the lines the part's shape calls for. A gear-shaft
// reason puts "Шестерню выполнить заодно с валом" first.
std::vector<std::string> Requirements(const GearPart& part, double hardness, bool wheel,
                                      const std::string& gearShaftReason);

}  // namespace gearpair
