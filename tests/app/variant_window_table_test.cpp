// The variants window's table: the Pareto mark and the order of a sorted column.
#include "app/variant_window_table.h"

#include <gtest/gtest.h>

namespace gearpair {
namespace {

TEST(SortedVariantRows, ByValueMissingLastTiesInSearchOrderEitherWay) {
    std::vector<Variant> variants(4);
    for (Variant& v : variants) v.end = QuietEnd::Completed;
    variants[0].masses.total = 104.072;  // "104,072" before "24,266" as text
    variants[1].masses.total = 24.266;
    variants[2].end = QuietEnd::Stopped;  // no figures
    variants[3].masses.total = 24.266;
    EXPECT_EQ(SortedVariantRows(variants, VariantColumn::MassTotal, false),
              (std::vector<std::size_t>{1, 3, 0, 2}));
    EXPECT_EQ(SortedVariantRows(variants, VariantColumn::MassTotal, true),
              (std::vector<std::size_t>{2, 0, 1, 3}));

    // Hardness by its number, the Pareto set first.
    variants[0].hardness = "350";
    variants[1].hardness = "320,5";
    variants[2].hardness = "1000";
    variants[3].hardness = "207";
    variants[2].pareto = true;
    EXPECT_EQ(SortedVariantRows(variants, VariantColumn::Hardness, false),
              (std::vector<std::size_t>{3, 1, 0, 2}));
    EXPECT_EQ(SortedVariantRows(variants, VariantColumn::Pareto, false),
              (std::vector<std::size_t>{2, 0, 1, 3}));
    EXPECT_EQ(VariantWindowCell(variants[2], VariantColumn::Pareto), "●");
    EXPECT_EQ(VariantWindowCell(variants[0], VariantColumn::Pareto), "");
    EXPECT_EQ(VariantWindowColumns().size(), 18u);
    EXPECT_EQ(VariantWindowColumnOf(VariantColumn::Status), -1);
    EXPECT_EQ(VariantWindowColumnOf(VariantColumn::Aw), 3);
}

}  // namespace
}  // namespace gearpair
