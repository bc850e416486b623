// gearpair-cli --explore: the variant search for the fixed inputs of the command line, written
// as a semicolon-separated table or as one JSON object.
#pragma once

#include <iosfwd>
#include <span>
#include <string>

#include "cli/command_line.h"
#include "engine/variant_search.h"

namespace gearpair {

// {"inputs": {"ratio", "power", "speed", "life", "arrangement"}, "variants": [{"width",
// "helix", "hardness", "status", "message", "aw", "mn", "z1", "z2", "bw", "bkol",
// "contact_margin", "bending_margin", "ea", "v", "masses": {"wheel", "pinion", "total"},
// "pareto", "input_bearing", "output_bearing", "bearing_life", "input_end", "output_end",
// "shafts"}, ...]} on one line, without a line end. The shafts' keys are null for a variant
// without shafts, and all but "shafts" ("no bearing") for a shaft no bearing fits.
std::string ExploreJson(const DesignInputs& fixed, std::span<const Variant> variants);

// Checks the fixed inputs and the hardness list (throws InputError), runs the search and writes
// the table (VariantsCsv) or, with --json, the object. Returns 0 when at least one variant
// completed, else 1.
int RunExplore(const CommandLine& line, std::ostream& out);

}  // namespace gearpair
