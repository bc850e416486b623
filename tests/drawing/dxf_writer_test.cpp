// The DXF of a sheet: header, layers, entities and the escaped texts, and its atomic file.
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

TEST(DxfText, CyrillicAndSignsAreWrittenAsUnicodeEscapes) {
    EXPECT_EQ(DxfEscaped("8 отв. Ø29,44"), "8 \\U+043E\\U+0442\\U+0432. \\U+00D829,44");
    EXPECT_EQ(DxfEscaped("14°30′15″"), "14\\U+00B030\\U+203215\\U+2033");
}

TEST(DxfText, MillimetreR2000WithLayersAndEveryEntity) {
    const std::string dxf = DxfText(SmallSheet());
    EXPECT_NE(dxf.find("$ACADVER\n  1\nAC1015\n"), std::string::npos);
    EXPECT_NE(dxf.find("$INSUNITS\n 70\n4\n"), std::string::npos);
    EXPECT_NE(dxf.find("$MEASUREMENT\n 70\n1\n"), std::string::npos);
    EXPECT_NE(dxf.find("$LIMMAX\n 10\n210\n 20\n297\n"), std::string::npos);
    // Every layer with its line type and weight (hundredths of a mm).
    const std::pair<const char*, const char*> layers[] = {
        {"CONTOUR", "CONTINUOUS\n370\n50"},   {"THIN", "CONTINUOUS\n370\n25"},
        {"AXIS", "DASHDOT\n370\n25"},         {"HATCH", "CONTINUOUS\n370\n25"},
        {"DIMENSION", "CONTINUOUS\n370\n25"}, {"TEXT", "CONTINUOUS\n370\n25"},
        {"FRAME", "CONTINUOUS\n370\n50"}};
    for (const auto& [name, style] : layers) {
        EXPECT_NE(dxf.find(std::string("  2\n") + name + "\n 70\n0\n 62\n7\n  6\n" + style + "\n"),
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
