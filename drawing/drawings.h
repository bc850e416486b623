// The working drawings of a completed design: the wheel's sheet, the pinion's sheet and the
// warnings the user must see (a pinion made in one piece with its shaft, a design that cannot
// be built).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "drawing/sheet.h"
#include "engine/gear_design.h"
#include "engine/part_sizes.h"

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
    std::vector<std::string> warnings;
};

// Both sheets from the record after a completed run and its part sizes.
DrawingSet BuildDrawings(const TGearDesign& d, const PartSizes& sizes,
                         const DrawingInputs& inputs = {});

}  // namespace gearpair
