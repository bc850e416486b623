// The texts the user reads about the reducer's shafts: the calculation report of the shafts'
// stage with every formula's numbers, the names of its statuses, step kinds and shafts, the
// message of a layout that cannot be, the shafts window's tables and its distance fields.
// Russian, decimal comma.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/shaft_layout.h"
#include "engine/shafts.h"

namespace gearpair {

// The shafts' calculation report: a section of the common factors, one section per shaft
// (speed and torque, mesh forces, distances, reactions, bending moments, steps, keys, bearings,
// sections' safety) and the status last, each closed by the separator line.
std::vector<std::string> ShaftsReport(const ShaftsDesign& shafts);

// "ok" or "life not reached": the status as the JSON and the CSV write it.
std::string_view ShaftsStatusName(ShaftsStatus status);

// "Недопустимое значение input.span: …": the message of a distance the layout cannot have,
// naming the option as the command line spells it (input.end, output.load …).
std::string ShaftLayoutMessage(const ShaftLayoutError& error);

// Why a design has no shafts: a shaft end thicker than the largest bearing's bore.
std::string ShaftBeyondBearingsMessage(const ShaftBeyondBearings& error);

// "конец вала", "под уплотнение" …; "Входной вал", "Выходной вал".
std::string_view StepKindName(StepKind kind);
std::string_view ShaftName(Shaft shaft);

// One group of the shafts window's table of a shaft: its title, the column headings and the
// rows of cell texts.
struct ShaftTableGroup {
    std::string title;
    std::vector<std::string> headings;
    std::vector<std::vector<std::string>> rows;
};

// The groups "Ступени", "Шпонки", "Подшипники", "Сечения" of a shaft; a bearing short of the
// planned life (h) has its life cell marked with it.
std::vector<ShaftTableGroup> ShaftTable(const ShaftDesign& shaft, double plannedLife);

// The distance fields of the shafts window, in the order they are shown.
enum class ShaftField { EndLoadToSupport, Span, GearToSupport, EndLoad };
inline constexpr std::array<ShaftField, 4> kShaftFields = {
    ShaftField::EndLoadToSupport, ShaftField::Span, ShaftField::GearToSupport, ShaftField::EndLoad};

// "От нагрузки на конце до опоры 1, мм" …
std::string_view ShaftFieldLabel(ShaftField field);

// The field's value as its text: mm to 0,01, the load to 0,1 N, no trailing zeros.
std::string ShaftFieldText(const ShaftDistances& distances, ShaftField field);

// Reads a field's text (decimal comma) into its member of `overrides`. A blank text takes the
// user's value back (the sketch's own applies). Returns the message for a text that is not a
// number or a value out of range (a distance must be above zero, the load not below zero), and
// leaves `overrides` unchanged then.
std::optional<std::string> ReadShaftField(ShaftField field, std::string_view text,
                                          ShaftOverrides& overrides);

}  // namespace gearpair
