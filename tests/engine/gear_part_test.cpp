// The shape decisions about the parts: web holes, solid disc, gear shaft; their volumes.
#include "engine/gear_part.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/design_products.h"
#include "engine/design_run.h"
#include "engine/drawn_parts.h"
#include "engine/helix_angle.h"
#include "engine/masses.h"
#include "engine/tooth_outline.h"

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

// The steel a tip chamfer cuts off the default wheel's teeth, against the area of the fine
// outline beyond each radius of the chamfer's depth integrated over that depth (Simpson's
// rule).
TEST(WheelShape, ChamferCutsTheTeethNotATipCylinder) {
    GearSession session;
    ASSERT_TRUE(RunDesign(session, DesignInputs{}).completed);
    const GearPart wheel = DesignProductsOf(session.design).parts.wheel;
    const GearOutline o = ToothOutline(wheel.teeth, wheel.module, wheel.helix, 1e-4);
    const double n = wheel.TipChamfer();
    ASSERT_EQ(n, 1.6);
    // The outline inside a circle: where a chord crosses it, a point; beyond it, the points
    // moved in onto it.
    const auto area = [&](double radius) {
        std::vector<OutlinePoint> inside;
        for (std::size_t i = 0; i < o.points.size(); ++i) {
            const OutlinePoint p = o.points[i];
            const OutlinePoint q = o.points[(i + 1) % o.points.size()];
            const double rp = std::hypot(p.x, p.y);
            inside.push_back(rp > radius ? OutlinePoint{p.x * radius / rp, p.y * radius / rp} : p);
            if ((rp - radius) * (std::hypot(q.x, q.y) - radius) < 0) {
                double lo = 0;
                double hi = 1;
                for (int k = 0; k < 60; ++k) {
                    const double t = (lo + hi) / 2;
                    const bool in =
                        std::hypot(p.x + t * (q.x - p.x), p.y + t * (q.y - p.y)) < radius;
                    ((rp < radius) == in ? lo : hi) = t;
                }
                inside.push_back({p.x + lo * (q.x - p.x), p.y + lo * (q.y - p.y)});
            }
        }
        double twice = 0;
        for (std::size_t i = 0; i < inside.size(); ++i) {
            const OutlinePoint p = inside[i];
            const OutlinePoint q = inside[(i + 1) % inside.size()];
            twice += p.x * q.y - q.x * p.y;
        }
        return twice / 2;
    };
    const double whole = area(o.gear.tipRadius + 1);
    const auto beyond = [&](double radius) { return whole - area(radius); };
    constexpr int kSteps = 32;
    const double from = o.gear.tipRadius - n;
    double sum = beyond(from) + beyond(o.gear.tipRadius);
    for (int k = 1; k < kSteps; ++k) sum += (k % 2 == 1 ? 4 : 2) * beyond(from + n * k / kSteps);
    EXPECT_NEAR(ChamferVolume(wheel) / (sum * n / kSteps / 3), 1, 2e-4);
}

}  // namespace
}  // namespace gearpair
