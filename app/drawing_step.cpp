// Drawing files of a design job and of a desktop program's run.
#include "app/drawing_step.h"

#include <utility>

#include "core/errors.h"
#include "engine/shaft_layout.h"
#include "files/handoff.h"

namespace gearpair {

std::string NoDrawingsReason(const DesignProducts& products) {
    if (products.buildable) return {};
    // The most serious warning comes first: the one that says why the pair cannot be made.
    std::string reason = "Чертежи не выполнены.";
    if (!products.warnings.empty()) reason += " " + WarningText(products.warnings.front());
    return reason;
}

void WriteJobDrawings(JobResult& job, const std::string& dir, bool withSvg,
                      const DrawingInputs& inputs) {
    if (!RunCompleted(job) || !job.design || !job.products) return;
    if (!job.products->buildable) {
        if (!job.drawings) job.drawings.emplace();
        return;
    }
    const DrawingFiles files = WriteDesignDrawings(*job.design, *job.products, dir, withSvg, inputs,
                                                   job.shafts ? &job.shafts->input : nullptr);
    if (!files.written.empty()) {
        if (!job.drawings) job.drawings.emplace();
        job.drawings->insert(job.drawings->end(), files.written.begin(), files.written.end());
    }
    if (!files.error.empty()) {
        job.status = JobStatus::Failed;
        job.message = ErrorBoxText(files.error);
    }
}

RunDrawings WriteRunDrawings(const GearSession& session, const DesignProducts& products,
                             const DrawingInputs& inputs, std::optional<std::uint8_t> arrangement) {
    RunDrawings run;
    run.directory = DrawingDirectory(session);
    std::optional<ShaftsDesign> shafts;
    if (arrangement && products.buildable && products.parts.pinionForm == PinionForm::GearShaft) {
        try {
            shafts = DesignShafts(session.design, products, *arrangement);
        } catch (const ShaftBeyondBearings&) {
            // No bearing takes the shaft end: the toothed part's sheet, as without shafts.
        } catch (const ShaftLayoutError&) {
            // The sketch's distances leave a step no room: likewise.
        }
    }
    run.files = WriteDesignDrawings(session.design, products, run.directory, false, inputs,
                                    shafts ? &shafts->input : nullptr);
    run.warnings = PartWarningsOf(products);
    run.reason = NoDrawingsReason(products);
    return run;
}

}  // namespace gearpair
