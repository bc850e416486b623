// The working drawings of a completed design job, written by `gearpair-cli --drawings DIR` and
// into the hand-off's dwgN.
#pragma once

#include <string>

#include "app/design_job.h"
#include "drawing/drawings.h"

namespace gearpair {

// Writes the drawing files of the completed job into `dir` (created when missing), the SVG
// files only `withSvg`, through the drawing pipeline; the job gains the paths written (after any
// written before, also those before a failure; none written leaves them as they were). A failure
// makes the job failed with the file layer's message, which names the file.
// `inputs` are the title blocks' texts.
void WriteJobDrawings(JobResult& job, const std::string& dir, bool withSvg,
                      const DrawingInputs& inputs = {});

}  // namespace gearpair
