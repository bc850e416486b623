// Drawing files of a design job.
#include "app/drawing_step.h"

#include "core/errors.h"
#include "drawing/drawing_files.h"

namespace gearpair {

void WriteJobDrawings(JobResult& job, const std::string& dir, bool withSvg,
                      const DrawingInputs& inputs) {
    if (!RunCompleted(job) || !job.design || !job.products) return;
    const DrawingFiles files =
        WriteDesignDrawings(*job.design, *job.products, dir, withSvg, inputs);
    if (!files.written.empty()) {
        if (!job.drawings) job.drawings.emplace();
        job.drawings->insert(job.drawings->end(), files.written.begin(), files.written.end());
    }
    if (!files.error.empty()) {
        job.status = JobStatus::Failed;
        job.message = ErrorBoxText(files.error);
    }
}

}  // namespace gearpair
