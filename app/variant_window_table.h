// The variants window's table for every desktop program: the columns of the search's table but
// its status (the message says it), each cell's text, and the order of the rows sorted on a
// column by value.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "app/variant_table.h"
#include "engine/variant_search.h"

namespace gearpair {

// The window's columns in order.
std::span<const VariantColumnName> VariantWindowColumns();
// The window's column of a column of the search's table; -1 for the status.
int VariantWindowColumnOf(VariantColumn column);

// The cell's text: as the search's table, the Pareto set marked "●" instead of "1", "0" blank.
std::string VariantWindowCell(const Variant& variant, VariantColumn column);

// The number a cell sorts by: the figure behind the text (a missing figure after every
// number), the list position for the width and helix, the Pareto set and the completed
// variants first in their columns.
double VariantSortKey(const Variant& variant, VariantColumn column);

// The variants' places in the order of `column`'s sort key, ties in the search's order, either
// way round.
std::vector<std::size_t> SortedVariantRows(std::span<const Variant> variants, VariantColumn column,
                                           bool descending);

}  // namespace gearpair
