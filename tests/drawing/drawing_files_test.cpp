// The drawing pipeline's files of a design: their order, and a failure that keeps those
// written before it.
#include "drawing/drawing_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/design_products.h"
#include "engine/design_run.h"
#include "files/program_dir.h"
#include "tests/temp_dir.h"

namespace gearpair {
namespace {

class DrawingPipeline : public testing::TempDirTest {};

TEST_F(DrawingPipeline, SixFilesInOrderAndAFailureListsThoseWrittenBeforeIt) {
    GearSession session;
    RunDesign(session, DesignInputs{});
    const DesignProducts sizes = DesignProductsOf(session.design);
    const std::vector<std::string> names = {"wheel.dxf",  "wheel.pdf",  "wheel.svg",
                                            "pinion.dxf", "pinion.pdf", "pinion.svg"};
    std::vector<std::string> paths;
    for (const std::string& name : names) paths.push_back(FileInFolder(PathOf("run"), name));
    const DrawingFiles all = WriteDesignDrawings(session.design, sizes, PathOf("run"), true);
    EXPECT_EQ(all.error, "");
    EXPECT_EQ(all.written, paths);
    EXPECT_EQ(all.drawings.wheel.title, "Колесо зубчатое ГП.01.001");
    EXPECT_EQ(WriteDesignDrawings(session.design, sizes, PathOf("run"), false).written.size(), 4u);

    std::filesystem::create_directories(dir_ / "failed" / "pinion.pdf");
    const DrawingFiles failed = WriteDesignDrawings(session.design, sizes, PathOf("failed"), true);
    const auto inFailed = [&](const char* name) { return FileInFolder(PathOf("failed"), name); };
    EXPECT_EQ(failed.error, "Cannot create file " + inFailed("pinion.pdf"));
    EXPECT_EQ(failed.written,
              std::vector<std::string>({inFailed("wheel.dxf"), inFailed("wheel.pdf"),
                                        inFailed("wheel.svg"), inFailed("pinion.dxf")}));
    EXPECT_FALSE(failed.drawings.pinion.items.empty());  // the window still shows the sheets
    // four files and the directory, no temporary left
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_ / "failed"), {}), 5);

    const std::string underFile = FileInFolder(paths[0], "sheets");
    EXPECT_EQ(WriteDesignDrawings(session.design, sizes, underFile, false).error,
              "Invalid filename: " + underFile);
}

// A pair that cannot be made gets no sheets at all: nothing built, no file, no directory, and no
// error (the run's status says why).
TEST_F(DrawingPipeline, APairThatCannotBeMadeGetsNoSheets) {
    GearSession session;
    DesignInputs inputs;
    inputs.uzText = "5,6";
    inputs.hkolText = "652";
    inputs.powerText = "60";
    inputs.nwText = "1";
    inputs.psibaIndex = 6;  // 0,63
    ASSERT_TRUE(RunDesign(session, inputs).completed);
    const DesignProducts products = DesignProductsOf(session.design);
    ASSERT_FALSE(products.buildable);
    const DrawingFiles none = WriteDesignDrawings(session.design, products, PathOf("run"), true);
    EXPECT_EQ(none.error, "");
    EXPECT_TRUE(none.written.empty());
    EXPECT_TRUE(none.drawings.wheel.items.empty() && none.drawings.pinion.items.empty());
    EXPECT_EQ(EntryCount(), 0u);
}

}  // namespace
}  // namespace gearpair
