// The variant search: with the ratio, power, speed, life and arrangement fixed by the machine,
// every combination of the face-width list, the helix-angle list and a list of wheel
// hardnesses, each run quietly, and the Pareto set of the completed ones on total mass and the
// smaller of the two check margins.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/design_inputs.h"
#include "engine/masses.h"
#include "engine/part_warning.h"
#include "engine/quiet_run.h"
#include "engine/shafts.h"

namespace gearpair {

// Wheel hardnesses of the default search, HB, as typed on the form: the usual heat treatments
// of the range 207 to 350 HB, then 400 to 650 by 50.
inline constexpr std::array<std::string_view, 14> kDefaultHardnessTexts = {
    "207", "235", "250", "262", "285", "302", "320",
    "350", "400", "450", "500", "550", "600", "650"};

// The shafts of a completed design whose pair can be made, in brief: what the tables list of
// them. Their own distances (the sketch's), no overrides.
struct ShaftsSummary {
    // False when a shaft end is thicker than the bore of the largest bearing: no shafts, and the
    // rest is empty.
    bool bearingsFit = false;
    ShaftsStatus status = ShaftsStatus::Ok;
    std::string_view inputBearing;   // designation, "311"; the same at both supports
    std::string_view outputBearing;  // the output shaft's
    double bearingLife = 0;          // the smallest L10h of the four bearings, h
    double inputEnd = 0;             // the input shaft end's diameter, mm
    double outputEnd = 0;            // the output shaft end's, mm

    bool operator==(const ShaftsSummary&) const = default;
};

// The summary of designed shafts.
ShaftsSummary SummariseShafts(const ShaftsDesign& shafts);

// Designs the shafts of `d` (completed, its pair buildable) and sums them up; a shaft no
// bearing fits gives a summary with bearingsFit false. Throws what DesignShafts throws else.
ShaftsSummary SummariseShafts(const TGearDesign& d, const DesignProducts& products,
                              std::uint8_t arrangement);

// One combination and how its design ended.
struct Variant {
    std::size_t widthItem = 0;  // item of kWidthTexts
    std::size_t helixItem = 0;  // item of kHelixTexts
    std::string hardness;       // the wheel hardness as typed, HB
    QuietEnd end = QuietEnd::Failed;
    std::string message;  // the stop message or the error's text; empty when completed
    // Of a completed design (zero otherwise): lengths in mm, v in m/s, masses in kg.
    double aw = 0;
    double mn = 0;
    std::int32_t z1 = 0;
    std::int32_t z2 = 0;
    double bw = 0;
    double bkol = 0;
    double contactMargin = 0;  // 1 - stress / allowable of the final contact check
    double bendingMargin = 0;  // the same of the final bending check (the weaker gear)
    double ea = 0;
    double v = 0;
    PartMasses masses;
    // False for a completed design whose pair cannot be built: never in the Pareto set.
    bool buildable = true;
    std::vector<PartWarning> warnings;    // of a completed design, most serious first
    std::optional<ShaftsSummary> shafts;  // of a usable variant only
    bool pareto = false;  // in the Pareto set: no other variant is at least as light and as safe

    bool Completed() const { return end == QuietEnd::Completed; }
    // A completed design that can be made: the candidates of the Pareto set.
    bool Usable() const { return Completed() && buildable; }
    double SmallerMargin() const {
        return contactMargin < bendingMargin ? contactMargin : bendingMargin;
    }
};

// The inputs of a variant's single design: the fixed inputs with its width, helix and hardness.
DesignInputs VariantInputs(const DesignInputs& fixed, const Variant& variant);

// The shafts' summary of a usable variant, from its design run again.
std::optional<ShaftsSummary> VariantShaftsSummary(const DesignInputs& fixed,
                                                  const Variant& variant);

// Whether a search summarises each usable variant's shafts: the command line's table and JSON
// list them; the variants window does not, and opens without their cost.
enum class VariantShafts { Left, Summarised };

// Runs every combination, width list outermost and hardness list innermost, each in a fresh
// session, and marks the Pareto set. The width, helix and hardness of `fixed` are not read; the
// hardness texts must be ones the form accepts.
std::vector<Variant> SearchVariants(const DesignInputs& fixed,
                                    std::span<const std::string> hardnessTexts,
                                    VariantShafts shafts = VariantShafts::Left);

// Marks the usable variants that no other usable variant dominates: none is at least as
// light and at least as safe (smaller margin) and better in one of the two. Variants with equal
// mass and margin are in the set together.
void MarkParetoSet(std::vector<Variant>& variants);

// The hardness list as typed: texts separated by ";" (the texts have decimal commas), blanks
// around each dropped. Returns the texts, or the message for the first one the hardness field
// would reject or that repeats an earlier one, or for an empty list.
struct HardnessList {
    std::vector<std::string> texts;
    std::optional<std::string> error;
};
HardnessList ParseHardnessList(std::string_view text);

}  // namespace gearpair
