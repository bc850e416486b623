// The quiet design run.
#include "engine/quiet_run.h"

#include "core/errors.h"
#include "engine/design_run.h"

namespace gearpair {

QuietOutcome RunQuietDesign(const DesignInputs& inputs) {
    GearSession session;
    session.report.SetSilent(true);
    QuietOutcome outcome;
    try {
        if (std::optional<std::string> stop = RunDesignSteps(session, inputs)) {
            outcome.end = QuietEnd::Stopped;
            outcome.message = std::move(*stop);
        } else {
            outcome.end = QuietEnd::Completed;
        }
    } catch (const Error& e) {
        outcome.end = QuietEnd::Failed;
        outcome.message = e.what();
    }
    outcome.recalculations = session.recalculations;
    outcome.design = std::move(session.design);
    outcome.steps = std::move(session.steps);
    return outcome;
}

const CheckStep* FinalStep(const QuietOutcome& outcome) {
    if (outcome.end != QuietEnd::Completed || outcome.steps.empty()) return nullptr;
    const CheckStep& last = outcome.steps.back();
    return last.contact && last.bending ? &last : nullptr;
}

}  // namespace gearpair
