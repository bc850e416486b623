// The design sample of the benchmarks: designs the input form accepts, written as batch rows
// that read back as the same texts.
#include "bench/design_sample.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "cli/input_check.h"
#include "core/csv.h"
#include "engine/design_inputs.h"

namespace gearpair::bench {
namespace {

DesignTexts TextsOf(const std::vector<std::string>& fields) {
    return DesignTexts{fields[0], fields[1], fields[2], fields[3],
                       fields[4], fields[5], fields[6], fields[7]};
}

TEST(SampleDesign, StartsWithTheFormDefaults) {
    EXPECT_EQ(BatchRow(SampleDesign(0)), "2,8;6000;86,3;250;15000;0,5;14;3\n");
}

// A sample row the input checks rejected would time the rejection instead of a design.
TEST(SampleDesign, EveryRowReadsBackAsADesignTheFormAccepts) {
    std::set<std::string> distinct;
    for (std::size_t i = 0; i < 5000; ++i) {
        const DesignInputs inputs = SampleDesign(i);
        std::string row = BatchRow(inputs);
        ASSERT_EQ(row.back(), '\n');
        row.pop_back();
        const auto fields = SplitCsvLine(row);
        ASSERT_TRUE(fields && fields->size() == 8) << row;
        DesignInputs checked;
        ASSERT_NO_THROW(checked = CheckDesignTexts(TextsOf(*fields))) << row;
        EXPECT_EQ(checked.uzText, inputs.uzText);
        EXPECT_EQ(checked.nwText, inputs.nwText);
        EXPECT_EQ(checked.psibaIndex, inputs.psibaIndex);
        EXPECT_EQ(checked.arrangement, inputs.arrangement);
        distinct.insert(row);
    }
    EXPECT_GT(distinct.size(), 4900u);  // varied, not a few designs repeated
}

TEST(SampleDesign, IsTheSameOnEveryCall) {
    for (const std::size_t i : {1u, 2u, 999u, 99999u}) {
        EXPECT_EQ(BatchRow(SampleDesign(i)), BatchRow(SampleDesign(i)));
    }
    EXPECT_EQ(BatchRow(SampleDesign(1)), "3,55;60;86,3;350;40000;0,45;11;3\n");
}

}  // namespace
}  // namespace gearpair::bench
