// One design as the command line runs it: a fresh session, the design run with the hand-off
// step wired in, and everything the outputs need, also when the run stops or fails.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/accepted_sizes.h"
#include "engine/check_steps.h"
#include "engine/design_run.h"
#include "engine/gear_design.h"
#include "engine/material.h"
#include "engine/part_sizes.h"

namespace gearpair {

enum class JobStatus {
    Completed,  // the results of the run
    Stopped,    // a stop message of the run (no table value, series exhausted, tooth number)
    Failed,     // an error raised by a step: conversion, floating-point, file
    Rejected,   // an input the form would not accept (batch rows only)
};

// "ok", "stopped", "error", "invalid": the status as JSON and the batch output write it.
std::string_view StatusName(JobStatus status);

struct JobResult {
    JobStatus status = JobStatus::Completed;
    std::string message;                    // stop message or error box text; empty when completed
    std::vector<std::string> report;        // the report as it stands at the end of the run
    std::optional<ResultTexts> results;     // when completed
    std::optional<std::string> handoff;     // the "transmit.txt" text, when completed
    int recalculations = 0;                 // banner lines in the report
    std::optional<std::int64_t> runNumber;  // when the hand-off numbered the run on disk
    std::optional<TGearDesign> design;      // the record, when completed
    std::optional<PartSizes> sizes;         // the part sizes of the hand-off, when completed
    std::optional<AcceptedSizes> drawingSizes;  // the sizes the drawings accept, when completed
    std::optional<PairMaterials> materials;     // the default materials, when completed
    std::vector<CheckStep> steps;               // every geometry pass, also before a stop or error
    std::optional<std::string> drawingDirectory;       // dwgN of a completed hand-off on disk
    std::optional<std::vector<std::string>> drawings;  // the drawing files written, also
                                                       // those before a failed one
    std::optional<std::vector<std::string>> models;    // the model files written
    std::vector<std::string> warnings;                 // about the parts, when completed
};

// The last step of a job whose design completed: the pass that ran both checks and passed them;
// nullptr when the design did not complete.
const CheckStep* FinalStep(const JobResult& job);

// Runs one design in its own session. With a program directory (`baseDir`, trailing separator
// included) the hand-off files are written there; without one the hand-off section and list
// are built in memory and nothing touches the disk. Errors of the run end up in the result.
JobResult RunDesignJob(const DesignInputs& inputs, const std::optional<std::string>& baseDir);

}  // namespace gearpair
