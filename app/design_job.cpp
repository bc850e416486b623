// One design job of the command line.
#include "app/design_job.h"

#include <algorithm>
#include <charconv>

#include "app/session_run.h"
#include "app/shafts_texts.h"
#include "core/errors.h"
#include "files/handoff.h"

namespace gearpair {

namespace {

int CountRecalculations(const std::vector<std::string>& report) {
    return static_cast<int>(std::count_if(report.begin(), report.end(), [](const std::string& l) {
        return l.starts_with(kRecalculationBanner);
    }));
}

// The run number the hand-off wrote into "numdir.num", from the caption it set.
std::optional<std::int64_t> RunNumberOf(const std::string& caption) {
    std::int64_t number = 0;
    const char* end = caption.data() + caption.size();
    const auto [last, error] = std::from_chars(caption.data(), end, number);
    if (caption.empty() || error != std::errc() || last != end) return std::nullopt;
    return number;
}

}  // namespace

bool RunCompleted(const JobResult& job) {
    return job.status == JobStatus::Completed || job.status == JobStatus::Unbuildable;
}

const CheckStep* FinalStep(const JobResult& job) {
    if (!job.design || job.steps.empty()) return nullptr;
    const CheckStep& last = job.steps.back();
    return last.contact && last.bending ? &last : nullptr;
}

JobResult RunDesignJob(const DesignInputs& inputs, const std::optional<std::string>& baseDir,
                       const ShaftsOptions& shafts) {
    GearSession session;
    if (baseDir) session.design.baseDir = *baseDir;
    JobResult job;
    try {
        RunOutcome outcome =
            RunDesign(session, inputs, HandoffThenProducts(job.products, baseDir.has_value()));
        if (outcome.completed) {
            job.design = session.design;
            job.warnings = WarningTexts(job.products->warnings);
            if (!job.products->buildable) {
                job.status = JobStatus::Unbuildable;
                job.message = job.warnings.front();
            }
            job.results = std::move(outcome.results);
            job.handoff = session.handoffList;
            if (baseDir) job.drawingDirectory = DrawingDirectory(session);
            if (job.products->buildable) {
                try {
                    job.shafts =
                        DesignShafts(session.design, *job.products,
                                     static_cast<std::uint8_t>(inputs.arrangement), shafts);
                } catch (const ShaftBeyondBearings& e) {
                    job.shaftsReason = ShaftBeyondBearingsMessage(e);
                }
            } else {
                job.shaftsReason = job.message;
            }
        } else {
            job.products.reset();
            job.status = JobStatus::Stopped;
            job.message = std::move(outcome.message);
        }
    } catch (const Error& e) {
        job.products.reset();
        job.status = JobStatus::Failed;
        job.message = ErrorBoxText(e.what());
    }
    if (!job.shafts && job.shaftsReason.empty()) job.shaftsReason = job.message;
    job.steps = std::move(session.steps);
    job.recalculations = CountRecalculations(session.report.Lines());
    job.report = session.report.TakeLines();  // the session ends here: no copy
    if (baseDir) job.runNumber = RunNumberOf(session.runCaption);
    return job;
}

void CheckShaftLayout(const DesignInputs& inputs, const ShaftsOptions& shafts) {
    const JobResult job = RunDesignJob(inputs, std::nullopt, shafts);
    (void)job;
}

}  // namespace gearpair
