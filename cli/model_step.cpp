// Model files of a design job.
#include "cli/model_step.h"

#include <filesystem>

#include "core/errors.h"
#include "files/file_ops.h"
#include "model/model_files.h"
#ifdef GEARPAIR_STEP
#include "model/step_loader.h"
#endif

namespace gearpair {

void WriteJobModels(JobResult& job, const std::string& dir, DxfVersion dxf) {
    if (job.status != JobStatus::Completed || !job.design || !job.sizes) return;
    try {
        std::error_code error;
        std::filesystem::create_directories(dir, error);
        if (error || !std::filesystem::is_directory(dir)) {
            const int code = FileErrorCode(error ? error.value() : ENOTDIR);
            throw FileError(code, FileErrorMessage(code) + ": " + dir);
        }
#ifdef GEARPAIR_STEP
        job.models = WriteModels(*job.design, *job.sizes, dir, dxf, ModuleStepText);
#else
        job.models = WriteModels(*job.design, *job.sizes, dir, dxf);
#endif
    } catch (const Error& e) {
        job.status = JobStatus::Failed;
        job.message = ErrorBoxText(e.what());
    }
}

}  // namespace gearpair
