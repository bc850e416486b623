// The working drawing of a gear shaft ("Вал-шестерня"): the whole input shaft as the shafts'
// stage designs it, every step with its diameter and length, the bearing seats with their fit,
// the toothed step with the gear's parameter table, the shaft end's keyway with its section.
#pragma once

#include <string>
#include <vector>

#include "drawing/sheet.h"
#include "drawing/title_block.h"
#include "engine/gear_part.h"
#include "engine/shafts.h"

namespace gearpair {

struct ShaftSheetContent {
    ShaftDesign shaft;      // the input shaft with the pinion cut on it
    GearPart teeth;         // the pinion's toothed part: tip, root and pitch circles, tip chamfer
    TitleBlockTexts title;  // the scale is filled in here
    std::vector<std::vector<TableRow>> table;  // the pinion's parameter table
    std::vector<std::string> requirements;     // unnumbered
};

// The texts the sheet dimensions the shaft with: a bearing seat "Ø40k6" (ISO 286-1 k6, the
// fit of ГОСТ 3325-85 for an inner ring under a rotating load; written without deviations, the
// project's tolerance table has no IT6), the keyway's width with N9 "12N9(-0,043)" and its
// depth t1 with the deviation of ГОСТ 23360 "5+0,2".
std::string BearingSeatText(double d);
std::string ShaftKeywayWidthText(double b);
std::string ShaftKeywayDepthText(double t1, double keyHeight);

// The steel mass of the shaft as drawn, kg: the cylinders of its steps with the toothed step's
// tooth spaces cut away, less the keyways of type A keys (rounded ends) to their depth t1.
double GearShaftMass(const ShaftDesign& shaft, const GearPart& teeth);

// The requirements the gear-shaft sheet adds after the heat treatment: the fillets at the
// shoulders, the centre holes, the reference sizes.
std::vector<std::string> GearShaftRequirements(const ShaftDesign& shaft);

Sheet BuildGearShaftSheet(const ShaftSheetContent& content);

}  // namespace gearpair
