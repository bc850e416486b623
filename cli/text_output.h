// The plain-text form of one design job: the report, then the results as the results dialog
// labels them and the margins of the checks.
#pragma once

#include <array>
#include <iosfwd>
#include <string>
#include <string_view>

#include "app/design_job.h"

namespace gearpair {

// A message for a terminal: each carriage return (the no-data message separates its three
// lines with them) becomes a line end, so that no line overwrites the one before it.
std::string TerminalText(std::string_view message);

// On `out`: the report, one line per line; for a completed run an empty line, the six
// results as "caption: value", the margin of each final check in per cent, then the drawing
// files and the warnings. On `err`: the message of a run that did not complete.
void WriteJobText(const JobResult& job, std::ostream& out, std::ostream& err);

}  // namespace gearpair
