// One design in a fresh session, as the command line and the batch run it: the design run with
// the hand-off step wired in, the design's products, and everything the outputs need, also when
// the run stops or fails.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/design_texts.h"
#include "engine/check_steps.h"
#include "engine/design_products.h"
#include "engine/design_run.h"
#include "engine/gear_design.h"
#include "engine/shafts.h"

namespace gearpair {

struct JobResult {
    JobStatus status = JobStatus::Completed;
    std::string message;                     // stop message or error box text; empty when completed
    std::vector<std::string> report;         // the report as it stands at the end of the run
    std::optional<ResultTexts> results;      // when the run completed
    std::optional<std::string> handoff;      // the "transmit.txt" text, when the run completed
    int recalculations = 0;                  // banner lines in the report
    std::optional<std::int64_t> runNumber;   // when the hand-off numbered the run on disk
    std::optional<TGearDesign> design;       // the record, when the run completed
    std::optional<DesignProducts> products;  // when the run completed
    std::vector<CheckStep> steps;            // every geometry pass, also before a stop or error
    std::optional<std::string> drawingDirectory;       // dwgN of a completed hand-off on disk
    std::optional<std::vector<std::string>> drawings;  // the drawing files written, also
                                                       // those before a failed one
    std::optional<std::vector<std::string>> models;    // the model files written
    std::vector<std::string> warnings;                 // about the parts, when the run completed
    std::optional<ShaftsDesign> shafts;  // of a completed design whose pair can be made
    std::string shaftsReason;            // why there are none: the message of the run
};

// True when the run completed, whether or not the pair can be made: the results, the record and
// the products are there.
bool RunCompleted(const JobResult& job);

// The last step of a job whose run completed: the pass that ran both checks and passed them;
// nullptr when the design did not complete.
const CheckStep* FinalStep(const JobResult& job);

// Runs one design in its own session. With a program directory (`baseDir`, trailing separator
// included) the hand-off files are written there; without one the hand-off section and list
// are built in memory and nothing touches the disk. Errors of the run end up in the result.
// The shafts of a completed design that can be made are designed with `shafts`; a layout the
// shafts cannot have propagates as ShaftLayoutError (before any file of the run is written when
// the caller checks the layout first with CheckShaftLayout).
JobResult RunDesignJob(const DesignInputs& inputs, const std::optional<std::string>& baseDir,
                       const ShaftsOptions& shafts = {});

// Runs the design in memory and designs its shafts with `shafts`: throws ShaftLayoutError when
// the user's distances do not fit that design; nothing is written.
void CheckShaftLayout(const DesignInputs& inputs, const ShaftsOptions& shafts);

}  // namespace gearpair
