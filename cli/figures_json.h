// The figures of a design job in its JSON object: the whole design record, the margins of the
// final checks, every geometry pass tried, the part sizes, the sizes the drawings accept, the
// masses and the materials.
#pragma once

#include "app/design_job.h"
#include "cli/json_writer.h"

namespace gearpair {

// Writes the members "design", "checks", "steps", "sizes", "drawing_sizes", "masses" and
// "material" into the object being written; all but steps are null when the design did not
// complete.
void WriteFigures(JsonWriter& json, const JobResult& job);

}  // namespace gearpair
