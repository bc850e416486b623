// The shape decisions about the parts: web holes, solid disc, gear shaft; their volumes.
#include "engine/gear_part.h"

#include <gtest/gtest.h>

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
        s.chamferWheel = 3;
        s.DBotvkol = holeCircle;
        s.Dotvkol = hole;
    }
};

TEST(WheelShape, WebWithHolesWhereTheyFitBetweenHubAndRimElseASolidDisc) {
    const SmallWheel web(48, 66, 8);  // holes from Ø58 to Ø74, hub Ø48, rim from Ø83.5
    const GearPart withWeb = WheelPart(web.d, web.s);
    EXPECT_TRUE(withWeb.web);
    EXPECT_EQ(withWeb.holes, 8);

    const SmallWheel holesInRim(48, 78, 8);  // holes up to Ø86, into the rim
    EXPECT_FALSE(WheelPart(holesInRim.d, holesInRim.s).web);
    const SmallWheel bigHub(84, 92, 4);  // the hub is wider than the rim's inside
    const GearPart solid = WheelPart(bigHub.d, bigHub.s);
    EXPECT_FALSE(solid.web);
    EXPECT_EQ(solid.holes, 0);
    // No normal size kept the ligaments: no holes, not eight of no diameter.
    const SmallWheel noHole(48, 66, 0);
    EXPECT_FALSE(WheelPart(noHole.d, noHole.s).web);
}

TEST(GearShaft, APinionOnAKeyNeedsTwoAndAHalfModulesUnderItsRoots) {
    GearPart pinion;
    pinion.root = 50;
    pinion.bore = 30;
    pinion.hubDiameter = 46;
    pinion.keyway = Keyway{8, 3.3};  // 25 - 15 - 3.3 = 6.7 mm left
    EXPECT_EQ(GearShaftReason(pinion, 3),
              (PartWarning{PartWarningCode::GearShaftThinRim, 25 - (15 + 3.3), 7.5, true}));
    EXPECT_EQ(GearShaftReason(pinion, 2), std::nullopt);
    pinion.keyway.reset();  // 25 - 15 = 10 mm under the roots, the bore has no key
    EXPECT_EQ(GearShaftReason(pinion, 4.5),
              (PartWarning{PartWarningCode::GearShaftThinRim, 10, 11.25, false}));
    pinion.hubDiameter = 30;
    EXPECT_EQ(GearShaftReason(pinion, 2), (PartWarning{PartWarningCode::GearShaftNoHub, 30, 30}));
    // Made with its shaft, the pinion keeps its toothed part and loses bore, hub and keyway.
    pinion.tip = 56;
    pinion.face = 40;
    const GearPart shaft = GearShaftPart(pinion);
    EXPECT_NEAR(PartVolume(shaft), 98520.3456, 1e-4);  // pi / 4 x 56^2 x 40
}

}  // namespace
}  // namespace gearpair
