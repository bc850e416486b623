// A fixed sample of valid designs, the same on every machine and every run: the design-run
// benchmark runs it, and the batch benchmark writes it as the rows of a batch file.
#pragma once

#include <cstddef>
#include <string>

#include "engine/design_run.h"

namespace gearpair::bench {

// Design number `index` of the sample: design 0 is the input form's defaults; every other
// combines items of the three lists and the arrangement with boundary and interior values of
// the four typed fields, each chosen by a hash of the index. Every design is one the input
// form accepts; some of them stop (no table value, series exhausted).
DesignInputs SampleDesign(std::size_t index);

// The design as a row of a batch file, in the column order of its header, with line feed.
std::string BatchRow(const DesignInputs& inputs);

}  // namespace gearpair::bench
