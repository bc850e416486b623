// The figures of a design job in its JSON object: the whole design record, the margins of the
// final checks, every geometry pass tried and the part sizes, as JSON numbers.
#pragma once

#include <string>

#include "cli/design_job.h"

namespace gearpair {

// The number as JSON: the shortest text that reads back to the same double, with a full stop
// whatever the locale ("3", "0.315", "1e+21"); null for an infinity or NaN, which JSON lacks.
std::string JsonNumber(double value);

// Appends `, "design": ..., "checks": ..., "steps": [...], "sizes": ...` to an object being
// written; design, checks and sizes are null when the design did not complete.
void AppendFiguresJson(std::string& json, const JobResult& job);

}  // namespace gearpair
