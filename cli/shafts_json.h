// The shafts of a design job in its JSON: "shafts" with "input" and "output", or null with the
// reason in "shafts_reason".
#pragma once

#include "app/design_job.h"
#include "cli/json_writer.h"

namespace gearpair {

void WriteShafts(JsonWriter& json, const JobResult& job);

}  // namespace gearpair
