// The sentences of the warnings and the names of the statuses, as every output writes them.
#include "app/design_texts.h"

#include <gtest/gtest.h>

namespace gearpair {
namespace {

TEST(WarningText, EachCodeWithItsNumbers) {
    EXPECT_EQ(WarningText({PartWarningCode::Unbuildable, 33.39, 52.32}),
              "Передача неосуществима: диаметр впадин шестерни df1 = 33,39 мм меньше диаметра "
              "вала 52,32 мм, необходимого для передачи момента; увеличьте межосевое расстояние");
    EXPECT_EQ(WarningText({PartWarningCode::GearShaftNoHub, 30, 30}),
              "Шестерню выполнить заодно с валом: диаметр ступицы 30 мм не больше диаметра "
              "отверстия 30 мм");
    EXPECT_EQ(WarningText({PartWarningCode::GearShaftThinRim, 6.7, 7.5, true}),
              "Шестерню выполнить заодно с валом: толщина материала между впадинами зубьев и "
              "шпоночным пазом 6,7 мм меньше 2,5 m = 7,5 мм");
    EXPECT_EQ(WarningText({PartWarningCode::GearShaftThinRim, 10, 11.25, false}),
              "Шестерню выполнить заодно с валом: толщина материала между впадинами зубьев и "
              "отверстием 10 мм меньше 2,5 m = 11,25 мм");
}

TEST(PartWarningsOf, UnbuildablePairOnBothSheetsGearShaftOnThePinionOnly) {
    DesignProducts products;
    products.warnings = {{PartWarningCode::GearShaftNoHub, 30, 30}};
    PartWarnings parts = PartWarningsOf(products);
    EXPECT_TRUE(parts.wheel.empty());
    ASSERT_EQ(parts.pinion.size(), 1u);
    products.buildable = false;
    products.warnings = {{PartWarningCode::Unbuildable, 33.39, 52.32}};
    parts = PartWarningsOf(products);
    EXPECT_EQ(parts.wheel, parts.pinion);
    ASSERT_EQ(parts.wheel.size(), 1u);
}

TEST(ResultsHeading, APairThatCannotBeMadeIsNoSuccess) {
    EXPECT_EQ(ResultsHeading(JobStatus::Completed), "Расчёт произведен успешно.");
    EXPECT_EQ(ResultsHeading(JobStatus::Unbuildable),
              "Расчёт выполнен, передачу изготовить нельзя.");
}

TEST(VariantStatus, CompletedVariantThatCannotBeBuiltIsUnbuildable) {
    Variant variant;
    variant.end = QuietEnd::Completed;
    EXPECT_EQ(StatusName(VariantStatus(variant)), "ok");
    variant.buildable = false;
    EXPECT_EQ(StatusName(VariantStatus(variant)), "unbuildable");
    variant.end = QuietEnd::Stopped;
    EXPECT_EQ(StatusName(VariantStatus(variant)), "stopped");
    variant.end = QuietEnd::Failed;
    EXPECT_EQ(StatusName(VariantStatus(variant)), "error");
}

}  // namespace
}  // namespace gearpair
