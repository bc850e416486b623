// The variant search: every combination once, the Pareto set against its definition, and the
// hardness list as typed.
#include "engine/variant_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

#include "engine/design_products.h"
#include "engine/shafts.h"

namespace gearpair {
namespace {

std::vector<std::string> DefaultHardness() {
    return {kDefaultHardnessTexts.begin(), kDefaultHardnessTexts.end()};
}

// a dominates b: at least as light and as safe, and better in one.
bool Dominates(const Variant& a, const Variant& b) {
    return a.masses.total <= b.masses.total && a.SmallerMargin() >= b.SmallerMargin() &&
           (a.masses.total < b.masses.total || a.SmallerMargin() > b.SmallerMargin());
}

TEST(SearchVariants, DefaultSearchRunsEveryCombinationOnceAndMarksExactlyTheUndominated) {
    const std::vector<Variant> variants = SearchVariants(DesignInputs{}, DefaultHardness());
    ASSERT_EQ(variants.size(), 7u * 13 * 14);
    std::set<std::tuple<std::size_t, std::size_t, std::string>> combinations;
    for (const Variant& v : variants) combinations.insert({v.widthItem, v.helixItem, v.hardness});
    EXPECT_EQ(combinations.size(), variants.size());
    EXPECT_EQ(variants[1].hardness, "235");  // hardness innermost
    EXPECT_EQ(variants[14].helixItem, 1u);

    int completed = 0;
    int pareto = 0;
    for (const Variant& v : variants) {
        completed += v.Completed() ? 1 : 0;
        pareto += v.pareto ? 1 : 0;
        if (!v.Completed()) {
            EXPECT_FALSE(v.pareto);
            EXPECT_FALSE(v.message.empty());
            continue;
        }
        EXPECT_GT(v.masses.total, 0);
        bool dominated = false;
        for (const Variant& other : variants) {
            if (other.Completed() && Dominates(other, v)) dominated = true;
        }
        EXPECT_NE(v.pareto, dominated) << v.widthItem << " " << v.helixItem << " " << v.hardness;
    }
    EXPECT_GT(completed, 1000);
    EXPECT_GT(pareto, 1);

    // The form's defaults are one of the variants, with the single run's figures.
    const QuietOutcome single = RunQuietDesign(DesignInputs{});
    const Variant& defaults = variants[(kDefaultWidthItem * 13 + kDefaultHelixItem) * 14 + 2];
    EXPECT_EQ(defaults.hardness, "250");
    EXPECT_EQ(defaults.aw, single.design.aw);
    EXPECT_EQ(defaults.z1, single.design.z1);
    EXPECT_EQ(defaults.v, single.design.v);
}

// A usable variant's shafts are those DesignShafts gives its design: the bearings, the smallest
// of the four lives, the shaft ends (first steps) and the status; a shaft end beyond the largest
// bearing gives a summary without bearings; a variant not usable has none. At 10 min^-1 some
// variants reach the life and some do not; at 5 min^-1 the output shaft's end exceeds every
// bearing.
TEST(SearchVariants, ShaftsSummaryIsThatOfTheVariantsDesign) {
    std::set<ShaftsStatus> statuses;
    int beyondBearings = 0;
    for (const char* speed : {"10", "5"}) {
        DesignInputs fixed;
        fixed.uzText = "2,5";
        fixed.powerText = "22000";
        fixed.nwText = speed;
        fixed.tText = "40000";
        fixed.arrangement = 2;
        for (const Variant& v : SearchVariants(fixed, {{"350"}}, VariantShafts::Summarised)) {
            const std::string where = std::string(speed) + " " + std::to_string(v.widthItem) + " " +
                                      std::to_string(v.helixItem);
            ASSERT_EQ(v.shafts.has_value(), v.Usable()) << where;
            if (!v.Usable()) continue;
            const QuietOutcome outcome = RunQuietDesign(VariantInputs(fixed, v));
            const DesignProducts products = DesignProductsOf(outcome.design);
            try {
                const ShaftsDesign shafts = DesignShafts(outcome.design, products, 2);
                ASSERT_TRUE(v.shafts->bearingsFit) << where;
                EXPECT_EQ(v.shafts->status, shafts.status) << where;
                EXPECT_EQ(v.shafts->inputBearing, shafts.input.bearings[0].bearing.designation);
                EXPECT_EQ(v.shafts->outputBearing, shafts.output.bearings[0].bearing.designation);
                EXPECT_EQ(v.shafts->bearingLife, std::min({shafts.input.bearings[0].rating.L10h,
                                                           shafts.input.bearings[1].rating.L10h,
                                                           shafts.output.bearings[0].rating.L10h,
                                                           shafts.output.bearings[1].rating.L10h}))
                    << where;
                EXPECT_EQ(v.shafts->inputEnd, shafts.input.steps.front().d) << where;
                EXPECT_EQ(v.shafts->outputEnd, shafts.output.steps.front().d) << where;
                statuses.insert(shafts.status);
            } catch (const ShaftBeyondBearings&) {
                EXPECT_EQ(*v.shafts, ShaftsSummary{}) << where;
                ++beyondBearings;
            }
        }
    }
    EXPECT_EQ(statuses, (std::set<ShaftsStatus>{ShaftsStatus::Ok, ShaftsStatus::LifeNotReached}));
    EXPECT_GT(beyondBearings, 0);
}

TEST(MarkParetoSet, EqualPointsShareTheSetAndEqualMassesKeepTheSafest) {
    auto make = [](double mass, double margin) {
        Variant v;
        v.end = QuietEnd::Completed;
        v.masses.total = mass;
        v.contactMargin = margin;
        v.bendingMargin = margin + 1;
        return v;
    };
    std::vector<Variant> variants = {make(10, 0.2), make(10, 0.2), make(10, 0.1),
                                     make(12, 0.2), make(12, 0.3), make(9, 0.05)};
    variants.push_back(make(1, 0.9));
    variants.back().end = QuietEnd::Stopped;  // a stopped variant dominates nothing
    variants.push_back(make(1, 0.9));
    variants.back().buildable = false;  // nor does a pair that cannot be made
    MarkParetoSet(variants);
    std::vector<bool> marks;
    for (const Variant& v : variants) marks.push_back(v.pareto);
    EXPECT_EQ(marks, (std::vector<bool>{true, true, false, false, true, true, false, false}));
}

TEST(ParseHardnessList, TrimsBlanksAndRejectsWhatTheFieldRejectsOrRepeats) {
    EXPECT_EQ(ParseHardnessList("207; 320,5 ;652").texts,
              (std::vector<std::string>{"207", "320,5", "652"}));
    EXPECT_EQ(ParseHardnessList("207;700").error, "«700»: Значение может быть от 207 до 652");
    EXPECT_EQ(ParseHardnessList("250;;300").error, "«»: Неправильно введено значение");
    EXPECT_EQ(ParseHardnessList("250;300;250").error, "«250»: значение повторяется");
    EXPECT_EQ(ParseHardnessList("250;250,0").error, "«250,0»: значение повторяется");
}

}  // namespace
}  // namespace gearpair
