// The shafts window's state: fields that recompute the shafts, and refused texts that change
// nothing.
#include "app/shafts_view.h"

#include <gtest/gtest.h>

#include "engine/design_run.h"

namespace gearpair {
namespace {

ShaftsView DefaultView() {
    GearSession session;
    EXPECT_TRUE(RunDesign(session, DesignInputs{}).completed);
    return ShaftsView(session.design, DesignProductsOf(session.design), 3);
}

TEST(ShaftsView, FieldsRecomputeTheShaftAndRefusedOnesChangeNothing) {
    ShaftsView view = DefaultView();
    ASSERT_TRUE(view.HasShafts());
    const ShaftTab before = view.Tab(Shaft::Output);
    EXPECT_EQ(before.title, "Выходной вал");
    // Unchanged texts keep the sketch's distances exactly.
    EXPECT_EQ(view.ApplyFields(Shaft::Output, before.fieldTexts), std::nullopt);
    EXPECT_EQ(view.Shafts().output.distances.span, 181);
    std::array<std::string, 4> texts = before.fieldTexts;
    texts[1] = "250";
    EXPECT_EQ(view.ApplyFields(Shaft::Output, texts), std::nullopt);
    EXPECT_EQ(view.Shafts().output.distances.span, 250);
    EXPECT_EQ(view.Tab(Shaft::Output).fieldTexts[1], "250");
    // A span too short for the hub and a text that is no number leave the shafts as they were.
    texts[1] = "20";
    EXPECT_EQ(view.ApplyFields(Shaft::Output, texts),
              "Недопустимое значение output.span: пролёт короче ступицы колеса с подшипником "
              "(нужно не менее 146 мм)");
    texts[1] = "abc";
    EXPECT_NE(view.ApplyFields(Shaft::Output, texts), std::nullopt);
    EXPECT_EQ(view.Shafts().output.distances.span, 250);
}

}  // namespace
}  // namespace gearpair
