// Model files of a design job.
#include "app/model_step.h"

#include <filesystem>

#include "core/errors.h"
#include "files/file_ops.h"
#include "model/model_files.h"
#ifdef GEARPAIR_STEP
#include "model/step_loader.h"
#endif

namespace gearpair {

void WriteJobModels(JobResult& job, const std::string& dir, DxfVersion dxf) {
    if (!RunCompleted(job) || !job.design || !job.products) return;
    ModelFiles files;
    try {
        std::error_code error;
        std::filesystem::create_directories(dir, error);
        if (error || !std::filesystem::is_directory(dir)) {
            const int code = FileErrorCode(error ? error.value() : ENOTDIR);
            throw FileError(code, FileErrorMessage(code) + ": " + dir);
        }
#ifdef GEARPAIR_STEP
        files = WriteModels(*job.design, job.products->parts, dir, dxf, ModuleStepText);
#else
        files = WriteModels(*job.design, job.products->parts, dir, dxf);
#endif
    } catch (const Error& e) {
        files.error = e.what();
    }
    // The files written stay listed, also those before a failure.
    job.models = std::move(files.written);
    if (!files.error.empty()) {
        job.status = JobStatus::Failed;
        job.message = ErrorBoxText(files.error);
    }
}

}  // namespace gearpair
