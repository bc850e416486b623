// The texts the user reads about a design, formatted from the engine's codes in one place: the
// warnings about its parts, the names of how a run ended, and of how a variant ended. Russian;
// another language would be a second set of these functions.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/design_products.h"
#include "engine/part_warning.h"
#include "engine/variant_search.h"

namespace gearpair {

// How one design of a front end ended.
enum class JobStatus {
    Completed,    // the results of the run, a pair that can be made
    Unbuildable,  // the results of the run, but the pair cannot be made
    Stopped,      // a stop message of the run (no table value, series exhausted, tooth number)
    Failed,       // an error raised by a step: conversion, floating-point, file
    Rejected,     // an input the form would not accept (batch rows only)
};

// "ok", "unbuildable", "stopped", "error", "invalid": the status as the JSON, the batch and the
// variant table write it.
std::string_view StatusName(JobStatus status);

// How a variant of the search ended, as a job status.
JobStatus VariantStatus(const Variant& variant);

// The sentence of a warning: "Передача неосуществима: …", "Шестерню выполнить заодно с
// валом: …".
std::string WarningText(const PartWarning& warning);
std::vector<std::string> WarningTexts(const std::vector<PartWarning>& warnings);

// The sentences each part's sheet is shown with: a pair that cannot be built is said on both,
// a gear shaft on the pinion.
struct PartWarnings {
    std::vector<std::string> wheel;
    std::vector<std::string> pinion;
};
PartWarnings PartWarningsOf(const DesignProducts& products);

// The heading of the results dialog of a completed run: "Расчёт произведен успешно." for a
// pair that can be made; for one that cannot (Unbuildable), the command line's words for its
// exit code 3, "Расчёт выполнен, передачу изготовить нельзя.".
std::string_view ResultsHeading(JobStatus status);

// Why the pair cannot be made: the sentence of its most serious warning, "Передача
// неосуществима: …"; empty for a pair that can be made.
std::string UnbuildableReason(const DesignProducts& products);

}  // namespace gearpair
