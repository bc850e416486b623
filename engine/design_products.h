// Everything a completed design yields beyond its report and results, computed once right after
// the run and passed to every output: the text output, the JSON, the batch, the variant search,
// the sheets, the models, the hand-off and the windows read it and derive none of it again.
#pragma once

#include <vector>

#include "engine/accepted_sizes.h"
#include "engine/check_data.h"
#include "engine/drawn_parts.h"
#include "engine/gear_design.h"
#include "engine/masses.h"
#include "engine/material.h"
#include "engine/part_sizes.h"
#include "engine/part_warning.h"

namespace gearpair {

struct DesignProducts {
    PartSizes sizes;                    // as computed: the hand-off's
    AcceptedSizes accepted;             // as the sheets dimension them
    DrawnParts parts;                   // shaped from the accepted sizes, with the pinion's form
    PartMasses masses;                  // of the drawn parts, kg
    bool buildable = true;              // false when not even a gear shaft carries the torque
    std::vector<PartWarning> warnings;  // most serious first; all of them concern the pinion
    PairMaterials materials;            // the default steels and treatments by hardness
    PairCheckData checkData;            // W or the constant chord of each gear
};

// The products of the record after a completed run and its computed part sizes (those the
// hand-off wrote), or, without them, deriving the part sizes here. Throws FloatError.
DesignProducts DesignProductsOf(const TGearDesign& d, const PartSizes& sizes);
DesignProducts DesignProductsOf(const TGearDesign& d);

}  // namespace gearpair
