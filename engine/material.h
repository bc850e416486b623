// The material and heat treatment of the wheel and the pinion: a default steel by each gear's
// own hardness, which the engineer's material text replaces, and the treatment with its
// hardness range as the first technical requirement of the drawing states it.
#pragma once

#include <optional>
#include <string>

#include "engine/gear_design.h"

namespace gearpair {

struct GearMaterial {
    std::string steel;      // the title block's material: "Сталь 45 ГОСТ 1050-2013"
    std::string treatment;  // the first technical requirement: "Улучшение 235…265 HB"
};

struct PairMaterials {
    GearMaterial wheel;
    GearMaterial pinion;
};

// Rockwell C hardness of a steel of Brinell hardness `hb`, interpolated linearly in the
// conversion table; nothing outside the table (226 to 739 HB).
std::optional<double> BrinellToRockwellC(double hb);

// The default steel and treatment for a gear of hardness `hb`:
//   up to 262 HB      Сталь 45,   through-hardening (улучшение) to hb - 15 ... hb + 15 HB;
//   over 262 to 302   Сталь 40Х,  the same;
//   over 302 to 350   Сталь 40ХН, the same;
//   over 350 HB, converted up to 53 HRC: Сталь 40Х, through-hardened with induction-hardened
//   teeth to a 5-unit HRC range around the converted value;
//   above 53 HRC: Сталь 20ХН2М, case-hardened (цементация) to such a range.
// HB limits are rounded to 5, HRC limits to whole numbers. The depth of the case-hardened
// layer is not stated: no table of it is transcribed.
GearMaterial DefaultMaterial(double hb);

// Wheel by `hkol`, pinion by `hw`; a given steel text replaces the default steel of both gears
// and leaves their treatments, which follow from their hardness.
PairMaterials MaterialsOf(const TGearDesign& d, const std::optional<std::string>& steel);

// The pair with the given steel text in place of both gears' steels, when there is one.
PairMaterials WithSteel(PairMaterials pair, const std::optional<std::string>& steel);

}  // namespace gearpair
