// The sheets of the default design: format, scale, table and dimensions.
#include "drawing/drawings.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "drawing/sheet_expand.h"
#include "engine/design_run.h"

namespace gearpair {
namespace {

std::vector<std::string> Texts(const Sheet& sheet) {
    std::vector<std::string> texts;
    for (const Item& item : PlainSheet(sheet).items) {
        if (const Text* t = std::get_if<Text>(&item.shape)) texts.push_back(t->text);
    }
    return texts;
}

bool Has(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST(DefaultDesignSheets, FormatScaleTableAndDimensions) {
    GearSession session;
    ASSERT_TRUE(RunDesign(session, DesignInputs{}).completed);
    const DrawingSet set = BuildDrawings(session.design, DerivePartSizes(session.design));
    EXPECT_TRUE(set.warnings.empty());
    EXPECT_EQ(set.wheel.format + " " + set.wheel.scale, "A2 1:2");
    EXPECT_EQ(set.wheel.widthMm, 594);
    EXPECT_EQ(set.pinion.format + " " + set.pinion.scale, "A3 1:2");
    EXPECT_EQ(set.pinion.widthMm, 420);
    const auto wheel = Texts(set.wheel);
    for (const char* text : {"Колесо зубчатое",
                             "95",
                             "14°",
                             "Правое",
                             "294,574",
                             "200",
                             "34",
                             "Ø300,57",
                             "Ø77,46",
                             "Ø123,93",
                             "100",
                             "116,19",
                             "30",
                             "3×45°",
                             "22",
                             "82,86",
                             "8 отв. Ø29,44",
                             "Ø212,25",
                             "26,9",
                             "1:2",
                             "1. Твёрдость зубьев 250 HB"}) {
        EXPECT_TRUE(Has(wheel, text)) << text;
    }
    const auto pinion = Texts(set.pinion);
    for (const char* text :
         {"Шестерня", "34", "Левое", "105,426", "95", "Ø111,43", "Ø54,96", "Ø89,33", "110", "120",
          "16", "59,26", "6,59", "1. Твёрдость зубьев 280 HB"}) {
        EXPECT_TRUE(Has(pinion, text)) << text;
    }
}

}  // namespace
}  // namespace gearpair
