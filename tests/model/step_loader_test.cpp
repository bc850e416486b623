// The STEP module loaded from the build tree: a gear's text through it, and a failure of the
// modelling kernel coming back as an error instead of an exception across the module's edge.
#include "model/step_loader.h"

#include <gtest/gtest.h>

#include "core/errors.h"
#include "engine/tooth_outline.h"

namespace gearpair {
namespace {

TEST(StepModule, WritesTheGearAndTurnsTheKernelsFailureIntoAnError) {
    GearSection spur;
    spur.outline = ToothOutline(17, 1, 0, 0.001);
    spur.face = 10;
    const std::string text = ModuleStepText(spur, "pinion");
    EXPECT_EQ(text.rfind("ISO-10303-21;", 0), 0u);
    EXPECT_NE(text.find("PRODUCT('pinion','pinion'"), std::string::npos);

    // Every point of the outline on the axis: the kernel cannot make an edge of it.
    GearSection flat = spur;
    for (auto& point : flat.outline.points) point = {0, 0};
    try {
        ModuleStepText(flat, "wheel");
        ADD_FAILURE() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()).rfind(kStepKernelFailure, 0), 0u) << error.what();
    }
}

}  // namespace
}  // namespace gearpair
