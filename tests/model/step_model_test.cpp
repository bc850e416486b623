// The STEP model read back through OpenCASCADE: one valid solid of the part's volume.
#include "model/step_model.h"

#include <gtest/gtest.h>
#include <BRepCheck_Analyzer.hxx>
#include <BRepGProp.hxx>
#include <GProp_GProps.hxx>
#include <STEPControl_Reader.hxx>
#include <TopExp_Explorer.hxx>

#include "engine/design_products.h"
#include "engine/design_run.h"
#include "model/gear_section.h"
#include "tests/temp_dir.h"

namespace gearpair {
namespace {

class StepModel : public testing::TempDirTest {};

// The default wheel (web with holes, hub, keyway, chamfers), the default pinion (hub on a key)
// and a spur gear without a bore: one valid solid of the part's volume as weighed.
TEST_F(StepModel, ReadsBackAsOneValidSolidOfThePartsVolume) {
    GearSession session;
    RunDesign(session, DesignInputs{});
    const DrawnParts sizes = DesignProductsOf(session.design).parts;
    GearSection spur;
    spur.outline = ToothOutline(17, 1, 0, 0.001);
    spur.face = 10;
    spur.part.face = 10;
    spur.part.teeth = 17;
    spur.part.module = 1;
    const GearSection sections[] = {WheelSection(session.design, sizes, 0.001),
                                    PinionSection(session.design, sizes, 0.001), spur};
    for (const GearSection& s : sections) {
        SCOPED_TRACE(&s - sections);
        WriteFile("gear.step", StepText(s, "gear"));
        STEPControl_Reader reader;
        ASSERT_EQ(reader.ReadFile(PathOf("gear.step").c_str()), IFSelect_RetDone);
        reader.TransferRoots();
        const TopoDS_Shape shape = reader.OneShape();
        int solids = 0;
        for (TopExp_Explorer e(shape, TopAbs_SOLID); e.More(); e.Next()) ++solids;
        EXPECT_EQ(solids, 1);
        EXPECT_TRUE(BRepCheck_Analyzer(shape).IsValid());
        GProp_GProps properties;
        BRepGProp::VolumeProperties(shape, properties, 1e-7);
        EXPECT_NEAR(properties.Mass() / PartVolume(s.part), 1, 1e-3);
    }
}

}  // namespace
}  // namespace gearpair
