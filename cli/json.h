// The JSON form of one design job: one object with fixed keys, for scripts.
#pragma once

#include <string>

#include "app/design_job.h"

namespace gearpair {

// {"status": ..., "message": ..., "report": [...], "results": ..., "handoff": ...,
//  "recalculations": N, "run_number": ..., "design": ..., "checks": ..., "steps": [...],
//  "sizes": ..., "drawing_sizes": ..., "masses": ..., "material": ..., "drawings": [PATH, ...]
//  or null, "models": [PATH, ...] or null, "warnings": [...]} on one line, without a line end.
std::string JobJson(const JobResult& job);

}  // namespace gearpair
