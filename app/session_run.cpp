// The desktop programs' run.
#include "app/session_run.h"

#include "app/design_texts.h"
#include "files/handoff.h"

namespace gearpair {

SessionRun RunSessionDesign(GearSession& session, const DesignInputs& inputs) {
    SessionRun run;
    run.outcome = RunDesign(session, inputs, WriteHandoff);
    if (run.outcome.completed) {
        run.products = DesignProductsOf(session.design);
        run.warnings = WarningTexts(run.products->warnings);
    }
    return run;
}

}  // namespace gearpair
