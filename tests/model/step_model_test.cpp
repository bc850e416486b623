// The STEP model read back through OpenCASCADE: one valid solid of the mesh's volume.
#include "model/step_model.h"

#include <gtest/gtest.h>
#include <BRepCheck_Analyzer.hxx>
#include <BRepGProp.hxx>
#include <GProp_GProps.hxx>
#include <STEPControl_Reader.hxx>
#include <TopExp_Explorer.hxx>

#include <cmath>
#include <fstream>

#include "model/gear_mesh.h"
#include "tests/temp_dir.h"

namespace gearpair {
namespace {

class StepModel : public testing::TempDirTest {};

// The default design's pinion (left-hand, with its keyway) and a spur gear without a bore.
TEST_F(StepModel, ReadsBackAsOneValidSolidOfTheMeshVolume) {
    const double beta = std::acos(129 * 3.0 / 400);
    GearSection pinion;
    pinion.outline = ToothOutline(34, 3, beta, 0.001);
    pinion.face = 110;
    pinion.twist = -std::tan(beta) / pinion.outline.gear.pitchRadius;
    pinion.boreDiameter = 54.956;
    pinion.keyWidth = 16;
    pinion.keyDepth = 4.3;
    pinion.bore = BoreContour(54.956, 16, 4.3, 0.001);
    GearSection spur;
    spur.outline = ToothOutline(17, 1, 0, 0.001);
    spur.face = 10;

    for (const GearSection* s : {&pinion, &spur}) {
        WriteFile("gear.step", StepText(*s, "pinion"));
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
        const double mesh = MeshVolume(GearMesh(*s, 0.01));
        EXPECT_NEAR(properties.Mass() / mesh, 1, 0.005);
    }
}

}  // namespace
}  // namespace gearpair
