// The working drawings of a completed design job, written by `gearpair-cli --drawings DIR`.
#pragma once

#include <string>

#include "cli/design_job.h"

namespace gearpair {

// Creates `dir` when missing and writes the drawing files of the completed job into it, the
// SVG files only `withSvg`; the job gains their paths (after any written before) and the
// drawings' warnings. A file error makes the job failed with
// the file layer's message; the files written before it stay. Works without a display: when
// no Qt application exists, one runs on the offscreen platform (unless QT_QPA_PLATFORM names
// another) for the time of the writing.
void WriteJobDrawings(JobResult& job, const std::string& dir, bool withSvg);

}  // namespace gearpair
