// The products of a completed design: computed once, with the warnings as codes and the pair's
// buildability decided on the computed shaft.
#include "engine/design_products.h"

#include <gtest/gtest.h>

#include "engine/design_run.h"
#include "engine/helix_angle.h"

namespace gearpair {
namespace {

// The default design: 14 degrees entered, the teeth cut at arccos(129 x 3 / 400).
TEST(DesignProducts, DefaultDesignWeighsItsDrawnPartsAndWarnsOfNothing) {
    GearSession session;
    ASSERT_TRUE(RunDesign(session, DesignInputs{}).completed);
    const TGearDesign& d = session.design;
    EXPECT_EQ(EnteredHelixDegrees(d), 14);
    EXPECT_EQ(HandoffHelixDegrees(d), 13.99999958293221);
    EXPECT_EQ(CutHelixDegrees(d), 14.647469308361414);
    const DesignProducts products = DesignProductsOf(d);
    EXPECT_EQ(products.masses.wheel, PartMass(products.parts.wheel));
    EXPECT_EQ(products.masses.pinion, PartMass(products.parts.pinion));
    EXPECT_EQ(products.masses.total, products.masses.wheel + products.masses.pinion);
    // As made: the tooth spaces cut, the chamfers, the web with its holes, the keyways.
    EXPECT_EQ(products.masses.wheel, 26.493196);  // to the milligram
    EXPECT_EQ(products.masses.pinion, 5.589141);
    // The hand-off keeps the computed bore; the sheets take the accepted one.
    EXPECT_EQ(products.sizes.dvkol, DerivePartSizes(d).dvkol);
    EXPECT_EQ(products.parts.wheel.bore, products.accepted.dvkol);
    EXPECT_TRUE(products.buildable);
    EXPECT_TRUE(products.warnings.empty());
    EXPECT_EQ(products.parts.pinionForm, PinionForm::OnKey);
}

// A pinion whose keyway would leave less than 2.5 modules under its roots is a gear shaft, a
// pair that can be built; one whose roots are inside the shaft the torque needs cannot be.
TEST(DesignProducts, GearShaftIsBuildableAndRootsInsideTheShaftAreNot) {
    GearSession session;
    DesignInputs inputs;
    inputs.uzText = "4";
    inputs.hkolText = "450";
    inputs.nwText = "1000";
    ASSERT_TRUE(RunDesign(session, inputs).completed);
    const DesignProducts shaft = DesignProductsOf(session.design);
    EXPECT_TRUE(shaft.buildable);
    EXPECT_EQ(shaft.parts.pinionForm, PinionForm::GearShaft);
    ASSERT_EQ(shaft.warnings.size(), 1u);
    EXPECT_EQ(shaft.warnings[0], *shaft.parts.gearShaftReason);
    EXPECT_GT(shaft.masses.pinion, 0);

    GearSession unbuildable;
    inputs = DesignInputs{};
    inputs.uzText = "5,6";
    inputs.hkolText = "652";
    inputs.powerText = "60";
    inputs.nwText = "1";
    inputs.psibaIndex = 6;  // 0,63
    ASSERT_TRUE(RunDesign(unbuildable, inputs).completed);
    const TGearDesign& d = unbuildable.design;
    const DesignProducts cannot = DesignProductsOf(d);
    EXPECT_FALSE(cannot.buildable);
    EXPECT_EQ(cannot.parts.pinionForm, PinionForm::CannotBeBuilt);
    ASSERT_EQ(cannot.warnings.size(), 1u);
    EXPECT_EQ(cannot.warnings[0],
              (PartWarning{PartWarningCode::Unbuildable, d.df1, cannot.sizes.dvw}));
    // The rule's edge: roots exactly on the shaft can be built.
    PartSizes edge = cannot.sizes;
    edge.dvw = d.df1;
    EXPECT_FALSE(PairCannotBeBuilt(d, edge));
    edge.dvw = d.df1 + 0.01;
    EXPECT_TRUE(PairCannotBeBuilt(d, edge));
}

}  // namespace
}  // namespace gearpair
