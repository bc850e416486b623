// The drawing hand-off: the run counter, the drawing directory, "path.lsp", the derived
// wheel and pinion sizes, the report section "Передаваемые результаты" and "transmit.txt",
// all in the program directory `session.design.baseDir`.
#pragma once

#include <string>
#include <string_view>

#include "engine/gear_design.h"
#include "engine/part_sizes.h"

namespace gearpair {

// Advances the run counter in "numdir.num" (created holding 0 when missing; only its first
// 4 bytes are read and written), sets `session.runCaption` and returns the new number in
// decimal. Throws FileError on the first failed file operation.
std::string NextRunNumber(GearSession& session);

// Appends `label  value` to the report and "(label value) " to the hand-off list, both with
// the decimal separator in force.
void HandoffLine(GearSession& session, std::string_view label, double value);

// The part of the hand-off that touches no file: derives the wheel and pinion sizes, appends
// the report section "Передаваемые результаты" and rebuilds the hand-off list (the text of
// "transmit.txt") from empty. WriteHandoff calls it between "path.lsp" and "transmit.txt"; the
// command line calls it alone when no hand-off directory is given. The decimal separator is
// the comma again on every exit. Returns the part sizes handed off. Throws FloatError.
PartSizes AppendHandoffList(GearSession& session);

// Writes the whole hand-off for the design in the record: the counter, the directory
// "dwg<N>", "path.lsp", the report section and "transmit.txt". The hand-off list is rebuilt
// from empty. The decimal separator is the comma again on every exit, errors included.
// Returns the part sizes handed off. Throws FileError (a path that code page 1251 cannot
// represent: "Invalid filename", before any file is touched) or FloatError.
PartSizes WriteHandoff(GearSession& session);

// The drawing directory "dwg<N>" that the last hand-off of the session created (N from
// `session.runCaption`), without a trailing separator; empty before the first hand-off. The
// front ends write the drawings of the run there.
std::string DrawingDirectory(const GearSession& session);

}  // namespace gearpair
