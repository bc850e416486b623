// The variants of a search as a table: one column per figure, each cell as the command line's
// table and the variants window show it, and the whole table as semicolon-separated text.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/design_inputs.h"
#include "engine/variant_search.h"

namespace gearpair {

enum class VariantColumn {
    Width,
    Helix,
    Hardness,
    Status,
    Aw,
    Mn,
    Z1,
    Z2,
    Bw,
    Bkol,
    ContactMargin,
    BendingMargin,
    Ea,
    V,
    MassWheel,
    MassPinion,
    MassTotal,
    Pareto,
    Message,
};

struct VariantColumnName {
    VariantColumn column;
    std::string_view key;      // the column of the CSV table
    std::string_view caption;  // the heading of the window's table
};

inline constexpr std::array<VariantColumnName, 19> kVariantColumns = {{
    {VariantColumn::Width, "width", "ψba"},
    {VariantColumn::Helix, "helix", "β, °"},
    {VariantColumn::Hardness, "hardness", "HB колеса"},
    {VariantColumn::Status, "status", "Итог"},
    {VariantColumn::Aw, "aw", "aw, мм"},
    {VariantColumn::Mn, "mn", "mn, мм"},
    {VariantColumn::Z1, "z1", "z1"},
    {VariantColumn::Z2, "z2", "z2"},
    {VariantColumn::Bw, "bw", "bw, мм"},
    {VariantColumn::Bkol, "bkol", "bkol, мм"},
    {VariantColumn::ContactMargin, "contact_margin", "Запас контакт., %"},
    {VariantColumn::BendingMargin, "bending_margin", "Запас изгиб., %"},
    {VariantColumn::Ea, "ea", "εα"},
    {VariantColumn::V, "v", "v, м/с"},
    {VariantColumn::MassWheel, "mass_wheel", "Колесо, кг"},
    {VariantColumn::MassPinion, "mass_pinion", "Шестерня, кг"},
    {VariantColumn::MassTotal, "mass_total", "Масса, кг"},
    {VariantColumn::Pareto, "pareto", "Парето"},
    {VariantColumn::Message, "message", "Причина остановки"},
}};

// The cell's text: the inputs as the form's lists write them; aw, mn, z1, z2 as the results
// dialog shows them; the margins in per cent as the results print them ("15,2"); the other
// figures as the report prints them ("110,000"); Pareto "1" or "0"; the message of a variant
// that did not complete (an error as its error box shows it). Figures of a variant that did
// not complete are empty.
std::string VariantCell(const Variant& variant, VariantColumn column);

// The shafts' columns, after the message in the CSV table and in the batch's table; the window
// does not show them (they are not among kVariantColumns).
inline constexpr std::array<std::string_view, 6> kShaftsColumnKeys = {
    "input_bearing", "output_bearing", "bearing_life", "input_end", "output_end", "shafts"};

// "ok", "life not reached", or "no bearing" for a shaft end thicker than the largest bearing.
std::string_view ShaftsSummaryStatusName(const ShaftsSummary& shafts);

// Appends the shafts' cells, each after a ";": the bearings' designations, the smallest life
// in hours to 0,1 h and the shaft ends' diameters in mm as the report prints a length
// ("40,000"), then the status name. A shaft no bearing fits has only its status; a design
// without shafts (not completed, or its pair cannot be made) has every cell empty.
void AppendShaftsCells(std::string& out, const std::optional<ShaftsSummary>& shafts);

// The header "ratio;power;speed;hardness;life;width;helix;arrangement;status;aw;...;message;
// input_bearing;...;shafts", then one row per variant with the fixed inputs, each line ended by
// a line feed.
std::string VariantsCsv(const DesignInputs& fixed, std::span<const Variant> variants);

}  // namespace gearpair
