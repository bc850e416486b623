// The model files of a completed design job, written by `gearpair-cli --models DIR`.
#pragma once

#include <string>

#include "app/design_job.h"
#include "model/profile_dxf.h"

namespace gearpair {

// Creates `dir` when missing and writes the profile DXF (in `dxf`'s version), the STL and,
// where the build has OpenCASCADE, the STEP model of each gear of the completed job into it;
// the job gains their paths. A file error makes the job failed with the file layer's message;
// the files written before it stay.
void WriteJobModels(JobResult& job, const std::string& dir, DxfVersion dxf);

}  // namespace gearpair
