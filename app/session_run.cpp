// The desktop programs' run.
#include "app/session_run.h"

#include <exception>

#include "files/handoff.h"

namespace gearpair {

HandoffStep HandoffThenProducts(std::optional<DesignProducts>& products, bool onDisk) {
    return [&products, onDisk](GearSession& session) {
        const PartSizes sizes = onDisk ? WriteHandoff(session) : AppendHandoffList(session);
        products = DesignProductsOf(session.design, sizes);
    };
}

void ReportUnbuildable(Report& report, const DesignProducts& products) {
    if (products.buildable) return;
    report.Add("Передачу изготовить нельзя");
    report.Add(UnbuildableReason(products));
    report.Add(kSeparatorLine);
}

SessionRun RunSessionDesign(GearSession& session, const DesignInputs& inputs) {
    SessionRun run;
    run.outcome = RunDesign(session, inputs, HandoffThenProducts(run.products, true));
    if (run.outcome.completed) {
        run.warnings = WarningTexts(run.products->warnings);
        run.status = run.products->buildable ? JobStatus::Completed : JobStatus::Unbuildable;
        ReportUnbuildable(session.report, *run.products);
    } else {
        run.products.reset();
    }
    return run;
}

void RunDesktopDesign(GearSession& session, const DesignInputs& inputs,
                      const DesktopRunShow& show) {
    SessionRun run;
    try {
        run = RunSessionDesign(session, inputs);
    } catch (const std::exception& error) {
        show.sessionOutputs();
        show.forgetDrawings();
        show.error(error.what());
        return;
    }
    show.sessionOutputs();
    if (!run.outcome.completed) {
        show.forgetDrawings();
        show.message(run.outcome.message);
        return;
    }
    show.drawings(*run.products);
    show.results(run);
}

}  // namespace gearpair
