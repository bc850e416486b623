// What the desktop programs do after OK, on the one session they keep for their life: the
// design run with the hand-off files in the program directory, the products of a completed
// design with the texts of its warnings, and its drawings in the run's dwgN.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/design_texts.h"
#include "core/report.h"
#include "engine/design_products.h"
#include "engine/design_run.h"
#include "engine/gear_design.h"

namespace gearpair {

struct SessionRun {
    RunOutcome outcome;
    std::optional<DesignProducts> products;  // when the run completed
    std::vector<std::string> warnings;       // the sentences of the products' warnings
    JobStatus status = JobStatus::Stopped;   // Completed, Unbuildable or Stopped
};

// The section that ends the report of a pair that cannot be made, so that the details window
// and the report saved from it say so as the results dialog does: its title, the reason and
// the separator. A pair that can be made gets none: its report stays as the run wrote it.
void ReportUnbuildable(Report& report, const DesignProducts& products);

// The hand-off step of a front end's run: the hand-off, written into the program directory
// (`onDisk`) or only built in memory, then the design's products from the part sizes it handed
// off, into `products`: the sizes are derived once.
HandoffStep HandoffThenProducts(std::optional<DesignProducts>& products, bool onDisk);

// Runs the design in `session` with the hand-off written into the session's program directory,
// then computes the products of a completed design and ends the report of a pair that cannot
// be made with ReportUnbuildable. Errors of the run and of the products
// propagate and leave the report as far as it was written.
SessionRun RunSessionDesign(GearSession& session, const DesignInputs& inputs);

// What a desktop program shows of a run, each in its own windows.
struct DesktopRunShow {
    std::function<void()> sessionOutputs;  // the report and the run's caption, as far as written
    std::function<void()> forgetDrawings;  // the drawings shown belong to an earlier design
    std::function<void(const std::string&)> error;        // the error box
    std::function<void(const std::string&)> message;      // the message box of a stopped run
    std::function<void(const DesignProducts&)> drawings;  // written into dwgN and shown
    std::function<void(const SessionRun&)> results;       // the results dialog
};

// OK on the input form, after its fields were accepted: the run, then the session's outputs,
// then either the error, or the message of a run that stopped, or the drawings and the results
// dialog of a completed design. A run that gave no design forgets the drawings shown.
void RunDesktopDesign(GearSession& session, const DesignInputs& inputs, const DesktopRunShow& show);

}  // namespace gearpair
