// The variants of a search as a table: one column per figure, each cell as the command line's
// table and the variants window show it, and the whole table as semicolon-separated text.
#pragma once

#include <array>
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

// The header "ratio;power;speed;hardness;life;width;helix;arrangement;status;aw;...;message",
// then one row per variant with the fixed inputs, each line ended by a line feed.
std::string VariantsCsv(const DesignInputs& fixed, std::span<const Variant> variants);

}  // namespace gearpair
