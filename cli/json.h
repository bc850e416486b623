// The JSON form of one design job: one object with fixed keys, for scripts.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cli/design_job.h"

namespace gearpair {

// The text as a JSON string with its quotes: `"` and `\` escaped, control characters as \b,
// \f, \n, \r, \t or \u00XX, other UTF-8 passed through. A byte that is not part of a valid
// UTF-8 sequence becomes \ufffd, so the output is valid JSON whatever the text holds.
std::string JsonString(std::string_view text);

// Appends `"key": ` to an object being written.
void AppendKey(std::string& json, std::string_view key);

// Appends what `write` writes for the value, or null when there is none.
template <typename T, typename Write>
void AppendOptional(std::string& json, const std::optional<T>& value, Write write) {
    if (value) {
        write(*value);
    } else {
        json += "null";
    }
}

// {"status": ..., "message": ..., "report": [...], "results": ..., "handoff": ...,
//  "recalculations": N, "run_number": ..., "design": ..., "checks": ..., "steps": [...],
//  "sizes": ..., "drawings": [PATH, ...] or null, "warnings": [...]} on one line, without a
// line end.
std::string JobJson(const JobResult& job);

}  // namespace gearpair
