// The drawing's decisions about the parts: web holes, solid disc, gear shaft, and the sheets of
// the default design.
#include "drawing/gear_part.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "drawing/drawings.h"
#include "drawing/gear_tables.h"
#include "engine/design_run.h"

namespace gearpair {
namespace {

TEST(WebHoles, AsManyAsLeaveOneHoleDiameterOfWebBetweenNeighbours) {
    EXPECT_EQ(WebHoleCount(100, 19), 8);
    EXPECT_EQ(WebHoleCount(100, 20), 7);
    EXPECT_EQ(WebHoleCount(100, 35), 4);
    EXPECT_EQ(WebHoleCount(100, 36), 0);
}

// A wheel of 100 mm with a rim 4.5 mm thick under the roots.
struct SmallWheel {
    TGearDesign d;
    PartSizes s;
    SmallWheel(double hub, double holeCircle, double hole) {
        d.da2 = 100;
        d.df2 = 92.5;
        d.d2 = 97;
        d.bkol = 40;
        d.mn = 1.5;
        s.dvkol = 30;
        s.dstkol = hub;
        s.lstkol = 60;
        s.ckol = 12;
        s.deltakol = 4.5;
        s.nkol = 3;
        s.DBotvkol = holeCircle;
        s.Dotvkol = hole;
    }
};

bool SaysSolid(const std::vector<std::string>& lines) {
    return std::any_of(lines.begin(), lines.end(), [](const std::string& l) {
        return l.starts_with("Колесо выполнить сплошным");
    });
}

TEST(WheelShape, WebWithHolesWhereTheyFitBetweenHubAndRimElseASolidDisc) {
    const SmallWheel web(48, 66, 8);  // holes from Ø58 to Ø74, hub Ø48, rim from Ø83.5
    const GearPart withWeb = WheelPart(web.d, web.s);
    EXPECT_TRUE(withWeb.web);
    EXPECT_EQ(withWeb.holes, 8);
    EXPECT_FALSE(SaysSolid(Requirements(withWeb, 250, true, "")));

    const SmallWheel holesInRim(48, 78, 8);  // holes up to Ø86, into the rim
    EXPECT_FALSE(WheelPart(holesInRim.d, holesInRim.s).web);
    const SmallWheel bigHub(84, 92, 4);  // the hub is wider than the rim's inside
    const GearPart solid = WheelPart(bigHub.d, bigHub.s);
    EXPECT_FALSE(solid.web);
    EXPECT_EQ(solid.holes, 0);
    EXPECT_TRUE(SaysSolid(Requirements(solid, 250, true, "")));
}

TEST(GearShaft, APinionOnAKeyNeedsTwoAndAHalfModulesUnderItsRoots) {
    GearPart pinion;
    pinion.root = 50;
    pinion.bore = 30;
    pinion.hubDiameter = 46;
    pinion.keyway = Keyway{8, 3.3};  // 25 - 15 - 3.3 = 6.7 mm left
    EXPECT_EQ(GearShaftReason(pinion, 3),
              "толщина материала между впадинами зубьев и шпоночным пазом 6,7 мм меньше "
              "2,5 m = 7,5 мм");
    EXPECT_EQ(GearShaftReason(pinion, 2), "");
    pinion.keyway.reset();  // 25 - 15 = 10 mm under the roots, the bore has no key
    EXPECT_EQ(GearShaftReason(pinion, 4.5),
              "толщина материала между впадинами зубьев и отверстием 10 мм меньше 2,5 m = "
              "11,25 мм");
    pinion.hubDiameter = 30;
    EXPECT_EQ(GearShaftReason(pinion, 2),
              "диаметр ступицы 30 мм не больше диаметра отверстия 30 мм");
    const auto lines = Requirements(pinion, 280, false, GearShaftReason(pinion, 2));
    EXPECT_EQ(lines.front(),
              "Шестерню выполнить заодно с валом: диаметр ступицы 30 мм не больше "
              "диаметра отверстия 30 мм");
}

std::vector<std::string> Texts(const Sheet& sheet) {
    std::vector<std::string> texts;
    for (const Item& item : sheet.items) {
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
