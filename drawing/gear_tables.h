// What the wheel's and the pinion's sheets say: the three parts of the parameter table and the
// technical requirements.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "drawing/title_block.h"
#include "engine/check_data.h"
#include "engine/gear_design.h"
#include "engine/gear_part.h"

namespace gearpair {

// The table's parts: basic data (module, teeth, the helix angle the teeth are cut at, hand,
// basic rack, shift, accuracy), check data (the common normal and its teeth, left to be
// filled in) and reference data (pitch diameter, centre distance, the mating gear's teeth and
// drawing). `mating` is the mating gear's designation.
std::vector<std::vector<TableRow>> ParameterTable(const TGearDesign& d, bool wheel,
                                                  const CheckData& check,
                                                  const std::string& mating);

// The last requirement of every sheet of a pair that cannot be built.
inline constexpr std::string_view kNotForManufacture =
    "Чертёж не применять для изготовления; увеличить межосевое расстояние";

// The general tolerances of sizes without their own (ГОСТ 30893.1-2002, class m "средний"),
// as the standard has a drawing name them; the older wording by IT grades is withdrawn.
inline constexpr std::string_view kGeneralTolerances = "Общие допуски по ГОСТ 30893.1-m";

// What a sheet's part is.
enum class GearSheetKind {
    Wheel,
    Pinion,         // on a key or a keyless fit
    GearShaft,      // the pinion made in one piece with its shaft
    CannotBeBuilt,  // not even a gear shaft carries the torque
};

// The requirements of the part: the heat treatment with its hardness, tolerances and edges; on
// a sheet that cannot be built only the statement that it cannot, with the sizes that say why.
std::vector<std::string> Requirements(GearSheetKind kind, const std::string& treatment,
                                      const TGearDesign& d, double shaftDiameter);

}  // namespace gearpair
