// One working drawing of a gear: format and scale chosen for its views, then the frame and
// title block, the parameter table, the technical requirements and the two views.
#pragma once

#include <string>
#include <vector>

#include "drawing/sheet.h"
#include "drawing/title_block.h"
#include "engine/gear_part.h"

namespace gearpair {

struct GearSheetTexts {
    std::string name;                       // the title block's name
    std::vector<TableRow> table;            // the parameter table
    std::vector<std::string> requirements;  // unnumbered
};

// With `viewsBox`, the box of everything the two views drew (paper mm) goes there.
Sheet BuildGearSheet(const GearPart& part, const GearSheetTexts& texts, Box* viewsBox = nullptr);

// The mass as the title block writes it, kg: two decimals below 10 kg, one below 100 kg.
std::string MassText(double kg);

}  // namespace gearpair
