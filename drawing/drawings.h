// The working drawings of a completed design: the wheel's sheet and the pinion's sheet.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "drawing/sheet.h"
#include "engine/design_products.h"
#include "engine/gear_design.h"
#include "engine/shafts.h"

namespace gearpair {

// The engineer's texts of the title blocks. Every one goes onto the sheets as given; a control
// character, invalid UTF-8 or a text too long for its cell is a DrawingTextError.
struct DrawingInputs {
    std::string wheelDesignation = "ГП.01.001";
    std::string pinionDesignation = "ГП.01.002";
    // The steel of both gears instead of the default one by hardness (graph 3).
    std::optional<std::string> material;
    std::string developer;
    std::string checker;
    std::string organisation;

    bool operator==(const DrawingInputs&) const = default;
};

struct DrawingSet {
    Sheet wheel;
    Sheet pinion;
};

// Both sheets from the record after a completed run and its products. A pinion cut on its
// shaft is drawn as the whole `inputShaft` when there is one; without it the sheet shows the
// toothed part with its stubs broken off.
DrawingSet BuildDrawings(const TGearDesign& d, const DesignProducts& products,
                         const DrawingInputs& inputs = {}, const ShaftDesign* inputShaft = nullptr);

}  // namespace gearpair
