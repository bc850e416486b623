// The JSON form of one design job: one object with fixed keys, for scripts.
#pragma once

#include <string>
#include <string_view>

#include "cli/design_job.h"

namespace gearpair {

// The text as a JSON string with its quotes: `"` and `\` escaped, control characters as \b,
// \f, \n, \r, \t or \u00XX, other UTF-8 passed through. A byte that is not part of a valid
// UTF-8 sequence becomes \ufffd, so the output is valid JSON whatever the text holds.
std::string JsonString(std::string_view text);

// {"status": ..., "message": ..., "report": [...], "results": ..., "handoff": ...,
//  "recalculations": N, "run_number": ..., "design": ..., "checks": ..., "steps": [...],
//  "sizes": ..., "drawings": [PATH, ...] or null, "warnings": [...]} on one line, without a
// line end.
std::string JobJson(const JobResult& job);

}  // namespace gearpair
