// The variants window's table: the Pareto mark and the order of a sorted column.
#include "app/variant_window_table.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/numbers.h"

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

// Every column sorts by its own figures: seven completed variants whose figures stand in a
// different order in each column, the cells read back as numbers after sorting.
TEST(SortedVariantRows, EachColumnOrdersItsOwnValues) {
    std::vector<Variant> variants(7);
    for (std::size_t i = 0; i < variants.size(); ++i) {
        // The place of variant i in the order of field f: (a i + b) mod 7, a permutation of 0
        // to 6 of its own for each f (a = 1 + f / 7, b = f mod 7).
        const auto p = [i](int f) { return static_cast<int>(((1 + f / 7) * i + f % 7) % 7); };
        Variant& v = variants[i];
        v.end = QuietEnd::Completed;
        v.widthItem = static_cast<std::size_t>(p(0));
        v.helixItem = static_cast<std::size_t>(p(1));
        v.hardness = std::to_string(200 + 10 * p(2));
        v.aw = 100 + 10 * p(3);
        v.mn = 2 + 0.5 * p(4);
        v.z1 = 20 + p(5);
        v.z2 = 60 + p(6);
        v.bw = 40 + 5 * p(7);
        v.bkol = 45 + 5 * p(8);
        v.contactMargin = 0.01 * (p(9) + 1);
        v.bendingMargin = 0.02 * (p(10) + 1);
        v.ea = 1.5 + 0.01 * p(11);
        v.v = 1 + p(12);
        v.masses = {10.0 + p(13), 3.0 + p(14), 13.0 + 2 * p(15)};
    }
    for (const VariantColumnName& column : VariantWindowColumns()) {
        if (column.column == VariantColumn::Pareto || column.column == VariantColumn::Message) {
            continue;
        }
        std::vector<double> values;
        for (const std::size_t row : SortedVariantRows(variants, column.column, false)) {
            double value = 0;
            ASSERT_TRUE(TryTextToFloat(VariantWindowCell(variants[row], column.column), ',', value))
                << column.key;
            values.push_back(value);
        }
        EXPECT_TRUE(std::is_sorted(values.begin(), values.end())) << column.key;
    }
}

}  // namespace
}  // namespace gearpair
