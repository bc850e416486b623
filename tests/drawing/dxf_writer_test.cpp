// The DXF of a sheet: header, layers, entities and texts, and its atomic file.
#include "drawing/dxf_writer.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/errors.h"
#include "tests/temp_dir.h"

namespace gearpair {
namespace {

Sheet SmallSheet() {
    Sheet sheet;
    sheet.format = "A4";
    sheet.widthMm = 210;
    sheet.heightMm = 297;
    sheet.items = {
        {Layer::Contour, Line{{10, 20}, {30.5, 20}}},
        {Layer::Dimension, Polyline{{{0, 0}, {3, 0.5}, {3, -0.5}}, true, true}},
        {Layer::Axis, Circle{{100, 100}, 75.1425}},
        {Layer::Contour, Arc{{50, 50}, 10, 120, 420}},
        {Layer::Text, Text{{5, 6}, "8 отв. Ø29,44", 3.5, Anchor::BottomCentre, 90}},
    };
    return sheet;
}

TEST(DxfText, MillimetreR2000WithLayersAndEveryEntity) {
    const std::string dxf = DxfText(SmallSheet());
    EXPECT_NE(dxf.find("$ACADVER\n  1\nAC1015\n"), std::string::npos);
    EXPECT_NE(dxf.find("$INSUNITS\n 70\n4\n"), std::string::npos);
    EXPECT_NE(dxf.find("$MEASUREMENT\n 70\n1\n"), std::string::npos);
    EXPECT_NE(dxf.find("$LIMMAX\n 10\n210\n 20\n297\n"), std::string::npos);
    // Every layer with its colour, line type and weight (hundredths of a mm).
    const std::pair<const char*, const char*> layers[] = {
        {"CONTOUR", "7\n  6\nCONTINUOUS\n370\n50"},   {"THIN", "3\n  6\nCONTINUOUS\n370\n25"},
        {"AXIS", "1\n  6\nDASHDOT\n370\n25"},         {"HATCH", "8\n  6\nCONTINUOUS\n370\n25"},
        {"DIMENSION", "4\n  6\nCONTINUOUS\n370\n25"}, {"TEXT", "2\n  6\nCONTINUOUS\n370\n25"},
        {"FRAME", "7\n  6\nCONTINUOUS\n370\n50"}};
    for (const auto& [name, style] : layers) {
        EXPECT_NE(dxf.find(std::string("  2\n") + name + "\n 70\n0\n 62\n" + style + "\n"),
                  std::string::npos)
            << name;
    }
    // Dash-dot: 12 mm dash, 3 mm gap, dot, 3 mm gap; 18 mm in all.
    EXPECT_NE(dxf.find("  2\nDASHDOT\n 70\n0\n  3\nDash dot __ . __ .\n 72\n65\n 73\n4\n"
                       " 40\n18\n 49\n12\n 74\n0\n 49\n-3\n 74\n0\n 49\n0\n 74\n0\n 49\n-3\n"),
              std::string::npos);
    // The arrowhead's corners, one below the axis: a SOLID with its last corner doubled.
    EXPECT_NE(dxf.find(" 10\n0\n 20\n0\n 30\n0\n 11\n3\n 21\n0.5\n 31\n0\n 12\n3\n 22\n-0.5\n"
                       " 32\n0\n 13\n3\n 23\n-0.5\n"),
              std::string::npos);
    for (const char* entity : {"\nLINE\n", "\nSOLID\n", "\nCIRCLE\n", "\nARC\n", "\nTEXT\n"}) {
        EXPECT_NE(dxf.find(entity), std::string::npos) << entity;
    }
    EXPECT_NE(dxf.find(" 40\n75.1425\n"), std::string::npos);
    EXPECT_NE(dxf.find(" 50\n120\n 51\n60\n"), std::string::npos);  // 420 degrees is 60
    EXPECT_NE(dxf.find("  1\n8 \\U+043E"), std::string::npos);
    EXPECT_TRUE(dxf.ends_with("  0\nEOF\n"));
}

// A view at 1:2: its geometry lands at the part's real size, the rest of the sheet twice as
// large, so that plotting at 1:2 gives the paper sheet.
TEST(DxfText, ViewsAtRealSizeAndTheSheetAtTheInverseScale) {
    Sheet sheet = SmallSheet();
    sheet.scale = "1:2";
    sheet.views = {DrawingView{"section", ViewPlace{{100, 100}, 0.5}}};
    sheet.items = {{Layer::Contour, Circle{{110, 100}, 25}, 0},
                   {Layer::Frame, Line{{5, 5}, {205, 5}}},
                   {Layer::Dimension,
                    Dimension{DimensionKind::Linear,
                              ViewPlace{{100, 100}, 0.5},
                              {0, -50},
                              {0, 50},
                              {},
                              {-80, 0},
                              90,
                              "Ø100",
                              false},
                    0}};
    const std::string dxf = DxfText(sheet);
    // The circle: centre 200 + 20, radius 50; the frame line from 10 to 410.
    EXPECT_NE(dxf.find("CIRCLE\n"), std::string::npos);
    EXPECT_NE(dxf.find(" 10\n220\n 20\n200\n 30\n0\n 40\n50\n"), std::string::npos);
    EXPECT_NE(dxf.find(" 10\n10\n 20\n10\n 30\n0\n 11\n410\n 21\n10\n"), std::string::npos);
    EXPECT_NE(dxf.find("$DIMSCALE\n 40\n2\n"), std::string::npos);
    // The dimension style's DIMSCALE too: 3,5 mm texts regenerated 7 mm high in the model.
    EXPECT_NE(dxf.find("  2\nESKD\n 70\n0\n 40\n2\n 41\n3\n"), std::string::npos);
    EXPECT_NE(dxf.find("$LTSCALE\n 40\n2\n"), std::string::npos);
    // The dimension measures 100 between (200, 150) and (200, 250) along y, and keeps the
    // measured value live behind the diameter sign.
    EXPECT_NE(dxf.find("  1\n%%c<>\n  3\nESKD\n100\nAcDbAlignedDimension\n 13\n200\n 23\n150\n"),
              std::string::npos);
    // An enlarged sheet's model is smaller than the paper: DIMSCALE 0,5 on a 2:1 sheet.
    sheet.scale = "2:1";
    sheet.views = {DrawingView{"section", ViewPlace{{100, 100}, 2}}};
    sheet.items.clear();
    EXPECT_NE(DxfText(sheet).find("  2\nESKD\n 70\n0\n 40\n0.5\n"), std::string::npos);
}

// A local view at 2:1 on a 1:2 sheet lands four times the part's size in the model, as large
// as its texts; its dimension states its size instead of measuring.
TEST(DxfText, AViewAtItsOwnScaleEnlargedWithItsTexts) {
    Sheet sheet = SmallSheet();
    sheet.scale = "1:2";
    const ViewPlace local{{150, 100}, 2};
    sheet.views = {DrawingView{"section", ViewPlace{{100, 100}, 0.5}}, DrawingView{"bore", local}};
    sheet.items = {
        {Layer::Contour, Circle{{150, 100}, 10}, 1},
        {Layer::Dimension,
         Dimension{DimensionKind::Linear, local, {0, -5}, {0, 5}, {}, {-8, 0}, 90, "Ø10", false},
         1}};
    const std::string dxf = DxfText(sheet);
    EXPECT_NE(dxf.find(" 10\n300\n 20\n200\n 30\n0\n 40\n20\n"), std::string::npos);
    EXPECT_NE(dxf.find("  1\n%%c10\n  3\nESKD\n100\nAcDbAlignedDimension\n 13\n300\n 23\n180\n"),
              std::string::npos);
}

class DxfFile : public testing::TempDirTest {};

TEST_F(DxfFile, ReplacedWholeAndAFailureNamesTheFile) {
    WriteFile("wheel.dxf", "old");
    WriteDxf(SmallSheet(), PathOf("wheel.dxf"));
    EXPECT_EQ(ReadFile("wheel.dxf"), DxfText(SmallSheet()));
    EXPECT_EQ(EntryCount(), 1u);

    std::filesystem::create_directory(PathOf("pinion.dxf"));
    try {
        WriteDxf(SmallSheet(), PathOf("pinion.dxf"));
        FAIL() << "a directory was replaced";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("pinion.dxf"), std::string::npos) << e.what();
    }
}

}  // namespace
}  // namespace gearpair
