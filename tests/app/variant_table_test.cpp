// The variant table's CSV: the same text whether the search summarised the shafts or not.
#include "app/variant_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/variant_search.h"

namespace gearpair {
namespace {

// The variants window searches without the shafts and saves the command line's table.
TEST(VariantsCsv, ShaftsColumnsAreFilledForASearchWithoutThem) {
    const DesignInputs fixed;
    const std::vector<std::string> hardness = {"250", "652"};
    const std::string csv =
        VariantsCsv(fixed, SearchVariants(fixed, hardness, VariantShafts::Summarised));
    EXPECT_EQ(VariantsCsv(fixed, SearchVariants(fixed, hardness)), csv);
    EXPECT_NE(csv.find(";311;316;"), std::string::npos);
}

}  // namespace
}  // namespace gearpair
