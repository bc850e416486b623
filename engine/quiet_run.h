// The quiet design run: the design run without its report, for callers that need the values of
// many designs and none of their text (the batch, the variant search).
#pragma once

#include <string>
#include <vector>

#include "engine/check_steps.h"
#include "engine/design_inputs.h"
#include "engine/gear_design.h"

namespace gearpair {

enum class QuietEnd {
    Completed,  // both checks passed
    Stopped,    // a stop message: no table value, series exhausted, tooth number
    Failed,     // an error raised by a step: conversion, floating-point, a width index
};

struct QuietOutcome {
    QuietEnd end = QuietEnd::Failed;
    std::string message;           // the stop message or the error's what(); empty when completed
    int recalculations = 0;        // recalculations before the end, also when stopped or failed
    TGearDesign design;            // the record as the run left it
    std::vector<CheckStep> steps;  // every geometry pass tried
};

// Runs one design in a fresh session as RunDesign does, with a silent report: the same steps
// compute the same doubles in the same order and stop or fail where the design run does, but
// no report line and no result text is written. The system's errors (conversion,
// floating-point) end in the outcome; others (memory) propagate.
QuietOutcome RunQuietDesign(const DesignInputs& inputs);

// The last pass of a completed design, which ran both checks and passed them; nullptr for a
// design that did not complete.
const CheckStep* FinalStep(const QuietOutcome& outcome);

}  // namespace gearpair
