// The variants window's table.
#include "app/variant_window_table.h"

#include <algorithm>
#include <array>
#include <limits>
#include <numeric>

#include "core/numbers.h"

namespace gearpair {

namespace {

constexpr std::array<VariantColumnName, kVariantColumns.size() - 1> kWindowColumns = [] {
    std::array<VariantColumnName, kVariantColumns.size() - 1> columns{};
    std::size_t i = 0;
    for (const VariantColumnName& name : kVariantColumns) {
        if (name.column != VariantColumn::Status) columns[i++] = name;
    }
    return columns;
}();

}  // namespace

std::span<const VariantColumnName> VariantWindowColumns() {
    return kWindowColumns;
}

int VariantWindowColumnOf(VariantColumn column) {
    for (std::size_t i = 0; i < kWindowColumns.size(); ++i) {
        if (kWindowColumns[i].column == column) return static_cast<int>(i);
    }
    return -1;
}

std::string VariantWindowCell(const Variant& variant, VariantColumn column) {
    if (column == VariantColumn::Pareto) return variant.pareto ? "●" : "";
    return VariantCell(variant, column);
}

double VariantSortKey(const Variant& v, VariantColumn column) {
    constexpr double kMissing = std::numeric_limits<double>::infinity();
    switch (column) {
        case VariantColumn::Width:
            return static_cast<double>(v.widthItem);
        case VariantColumn::Helix:
            return static_cast<double>(v.helixItem);
        case VariantColumn::Hardness: {
            double value = 0;
            return TryTextToFloat(v.hardness, ',', value) ? value : kMissing;
        }
        case VariantColumn::Pareto:
            return v.pareto ? 0 : 1;
        case VariantColumn::Message:
        case VariantColumn::Status:
            return v.Completed() ? 0 : 1;
        default:
            break;
    }
    if (!v.Completed()) return kMissing;
    switch (column) {
        case VariantColumn::Aw:
            return v.aw;
        case VariantColumn::Mn:
            return v.mn;
        case VariantColumn::Z1:
            return v.z1;
        case VariantColumn::Z2:
            return v.z2;
        case VariantColumn::Bw:
            return v.bw;
        case VariantColumn::Bkol:
            return v.bkol;
        case VariantColumn::ContactMargin:
            return v.contactMargin;
        case VariantColumn::BendingMargin:
            return v.bendingMargin;
        case VariantColumn::Ea:
            return v.ea;
        case VariantColumn::V:
            return v.v;
        case VariantColumn::MassWheel:
            return v.masses.wheel;
        case VariantColumn::MassPinion:
            return v.masses.pinion;
        default:
            return v.masses.total;
    }
}

std::vector<std::size_t> SortedVariantRows(std::span<const Variant> variants, VariantColumn column,
                                           bool descending) {
    std::vector<double> keys;
    keys.reserve(variants.size());
    for (const Variant& v : variants) keys.push_back(VariantSortKey(v, column));
    std::vector<std::size_t> rows(variants.size());
    std::iota(rows.begin(), rows.end(), std::size_t{0});
    std::stable_sort(rows.begin(), rows.end(), [&](std::size_t a, std::size_t b) {
        return descending ? keys[b] < keys[a] : keys[a] < keys[b];
    });
    return rows;
}

}  // namespace gearpair
