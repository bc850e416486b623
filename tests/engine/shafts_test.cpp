// The shafts' stage over the input domain and at its boundaries: the statics balance, each
// bearing is the lightest of its seat that reaches the planned life, and every key holds.
#include "engine/shafts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "engine/design_run.h"
#include "engine/shaft_layout.h"
#include "engine/shaft_loads.h"
#include "tests/engine/shaft_checks.h"

namespace gearpair {
namespace {

struct Designed {
    TGearDesign design;
    DesignProducts products;
};

std::optional<Designed> Design(const DesignInputs& inputs) {
    GearSession session;
    if (!RunDesign(session, inputs).completed) return std::nullopt;
    Designed d{session.design, DesignProductsOf(session.design)};
    if (!d.products.buildable) return std::nullopt;
    return d;
}

// The stage over a grid of the domain: the balance, the bearings' lives and bores, the keys,
// in every arrangement.
TEST(DesignShafts, BalanceBearingsAndKeysOverTheDomain) {
    int designed = 0;
    for (const char* ratio : {"2", "3,15", "5,6"}) {
        for (const char* power : {"60", "6000", "60000"}) {
            for (const char* speed : {"86,3", "1450", "3000"}) {
                for (const char* hardness : {"207", "350", "652"}) {
                    for (int arrangement : {1, 2, 3}) {
                        DesignInputs inputs;
                        inputs.uzText = ratio;
                        inputs.powerText = power;
                        inputs.nwText = speed;
                        inputs.hkolText = hardness;
                        inputs.arrangement = arrangement;
                        const std::optional<Designed> d = Design(inputs);
                        if (!d) continue;
                        const std::string where = std::string(ratio) + " " + power + " " + speed +
                                                  " " + hardness + " " +
                                                  std::to_string(arrangement);
                        const ShaftsDesign shafts =
                            DesignShafts(d->design, d->products, arrangement);
                        ++designed;
                        for (const std::string& fault : testing::ShaftFaults(shafts)) {
                            ADD_FAILURE() << where << ": " << fault;
                        }
                    }
                }
            }
        }
    }
    EXPECT_GT(designed, 100);
}

// The bearing is the lightest of its seat that reaches the planned life: with the life one hour
// below the chosen bearing's it stays, one hour above it the next one is taken.
TEST(DesignShafts, BearingChoiceAtTheLifeBoundary) {
    const std::optional<Designed> d = Design(DesignInputs{});
    ASSERT_TRUE(d);
    TGearDesign design = d->design;
    const ShaftsDesign first = DesignShafts(design, d->products, 3);
    const ShaftDesign& output = first.output;
    const double life = std::min(output.bearings[0].rating.L10h, output.bearings[1].rating.L10h);
    design.t = life - 1;
    EXPECT_EQ(DesignShafts(design, d->products, 3).output.bearings[0].bearing.designation,
              output.bearings[0].bearing.designation);
    design.t = life + 1;
    const ShaftsDesign longer = DesignShafts(design, d->products, 3);
    EXPECT_NE(longer.output.bearings[0].bearing.designation,
              output.bearings[0].bearing.designation);
    EXPECT_GE(longer.output.bearings[0].bearing.C, output.bearings[0].bearing.C);
}

// A simply supported shaft: 1000 N in the middle of a 200 mm span, 300 N of axial force at
// 100 mm from the axis, and no end load.
TEST(SupportReactions, MomentOfTheAxialForceShiftsTheRadialReactions) {
    ShaftLoad gear;
    gear.x = 150;
    gear.Fr = 1000;
    gear.Ft = 2000;
    gear.Fa = 300;
    gear.moment = 300 * 0.1;  // N*m
    const std::array<ShaftSupport, 2> s =
        SupportReactions(std::vector<ShaftLoad>{gear}, 50, 250, 1);
    // Rr2 = -(100 x 1000 + 30 000) / 200, Rr1 = -1000 - Rr2.
    EXPECT_DOUBLE_EQ(s[1].Rr, -650);
    EXPECT_DOUBLE_EQ(s[0].Rr, -350);
    EXPECT_DOUBLE_EQ(s[0].Rt, -1000);
    EXPECT_DOUBLE_EQ(s[1].Rt, -1000);
    EXPECT_DOUBLE_EQ(s[1].Fa, -300);
    EXPECT_DOUBLE_EQ(s[0].Fa, 0);
    const std::vector<DiagramStation> diagram = ShaftDiagram({gear}, s, 300, 10);
    // At the gear the r-plane moment jumps by the axial force's 30 N*m: -35 left, -65 right.
    const DiagramStation at = DiagramAt(diagram, 150);
    EXPECT_DOUBLE_EQ(at.Mr, -65);
    EXPECT_DOUBLE_EQ(at.Mt, -100);
}

TEST(MeshForcesOf, TangentialRadialAndAxialForces) {
    const MeshForces f = MeshForcesOf(100, 50, 0.25);
    EXPECT_DOUBLE_EQ(f.Ft, 4000);
    EXPECT_NEAR(f.Fr, 4000 * std::tan(20 * std::numbers::pi / 180) / std::cos(0.25), 1e-9);
    EXPECT_NEAR(f.Fa, 4000 * std::tan(0.25), 1e-9);
}

// The hub may reach a bearing, not overlap it: on a 200 mm span with 20 mm bearings a 120 mm
// hub's middle may be 70 mm from either support.
TEST(SketchDistances, HubUpToTheBearingButNotOverIt) {
    ShaftPlan plan{Shaft::Output, 3, false, 120, 120, 10, 100};
    ShaftDiameters diameters;
    diameters.end = 30;
    diameters.endLength = 45;
    diameters.bearing = 35;
    ShaftOverrides overrides;
    overrides.span = 200;
    for (double gear : {70.0, 130.0}) {
        overrides.gearToSupport = gear;
        EXPECT_EQ(SketchDistances(plan, diameters, 20, overrides).gearToSupport, gear);
    }
    for (double gear : {std::nextafter(70.0, 0.0), std::nextafter(130.0, 1e9)}) {
        overrides.gearToSupport = gear;
        EXPECT_THROW(SketchDistances(plan, diameters, 20, overrides), ShaftLayoutError);
    }
}

// The user's distances are checked against the hub and the bearings they must hold.
TEST(DesignShafts, DistancesThatLeaveNoRoomAreRefused) {
    const std::optional<Designed> d = Design(DesignInputs{});
    ASSERT_TRUE(d);
    ShaftsOptions options;
    options.output.span = 10;
    try {
        DesignShafts(d->design, d->products, 3, options);
        FAIL();
    } catch (const ShaftLayoutError& e) {
        EXPECT_EQ(e.shaft, Shaft::Output);
        EXPECT_EQ(e.distance, "span");
        EXPECT_EQ(e.fault, LayoutFault::HubOutsideSpan);
    }
    options = {};
    options.input.endLoadToSupport = 1;
    EXPECT_THROW(DesignShafts(d->design, d->products, 3, options), ShaftLayoutError);
    // No end load at all is a load the user may give.
    options = {};
    options.input.endLoad = 0;
    const ShaftsDesign shafts = DesignShafts(d->design, d->products, 3, options);
    EXPECT_EQ(shafts.input.loads[0].Fr, 0);
    EXPECT_EQ(shafts.input.loads[0].Ft, 0);
}

}  // namespace
}  // namespace gearpair
