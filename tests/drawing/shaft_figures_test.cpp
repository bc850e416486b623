// The figure of a shaft worked by hand: a shaft on supports 100 mm apart, the gear in the middle
// of the span and the end load 40 mm outside it; its sheet, its diagram against the stations,
// the texts of the loads, and the files read back by the system's PDF and XML checkers.
#include "drawing/shaft_figures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "drawing/sheet_expand.h"
#include "drawing/sheet_geometry.h"
#include "files/program_dir.h"
#include "tests/temp_dir.h"

namespace gearpair {
namespace {

// Supports at 60 and 160 mm; the end load of 1000 N at 20 mm in the radial force's plane; the
// gear at 110 mm with Fr = 800 N, Ft = 2000 N and Fa = 400 N on a 100 mm pitch diameter (its
// moment 20 N*m). By the statics of the two planes: Rr1 = -1600, Rr2 = -200, Rt1 = Rt2 = -1000
// N; Mr = 40 N*m at support 1, 10 and -10 N*m either side of the gear; Mt = -50 N*m at the
// gear; M = 40 and 50,99 N*m; T = 59,7 N*m between the end load and the gear.
ShaftDesign HandShaft() {
    ShaftDesign s;
    s.shaft = Shaft::Input;
    s.gearShaft = true;
    s.speed = 960;
    s.torque = 59.7;
    s.distances = {40, 100, 50, 1000};
    s.steps = {{StepKind::End, 25, 40},    {StepKind::Seal, 30, 10},  {StepKind::Bearing, 35, 20},
               {StepKind::Collar, 45, 10}, {StepKind::Teeth, 40, 60}, {StepKind::Collar, 45, 10},
               {StepKind::Bearing, 35, 20}};
    s.loads = {{LoadKind::EndLoad, 20, 1000, 0, 0, 0}, {LoadKind::Gear, 110, 800, 2000, 400, 20}};
    s.supports = {{{60, -1600, -1000, 1886.796, 0}, {160, -200, -1000, 1019.804, -400}}};
    const double m = 50.990195;
    s.diagram = {{0, 0, 0, 0, 0},       {20, 0, 0, 0, 0},        {20, 0, 0, 0, 59.7},
                 {60, 40, 0, 40, 59.7}, {110, 10, -50, m, 59.7}, {110, -10, -50, m, 0},
                 {160, 0, 0, 0, 0},     {170, 0, 0, 0, 0}};
    return s;
}

std::vector<Text> Texts(const Sheet& sheet) {
    std::vector<Text> texts;
    for (const Item& item : sheet.items) {
        for (const Item& plain : PlainItems(item)) {
            if (const Text* text = std::get_if<Text>(&plain.shape)) texts.push_back(*text);
        }
    }
    return texts;
}

long Count(const std::vector<Text>& texts, const std::string& text) {
    return std::count_if(texts.begin(), texts.end(), [&](const Text& t) { return t.text == text; });
}

TEST(ShaftFigure, FitsA4WithItsTextsApartAndEveryLoadWritten) {
    const Sheet sheet = ShaftFigure(HandShaft());
    EXPECT_EQ(sheet.format, "A4");
    EXPECT_EQ(sheet.widthMm, 297);
    EXPECT_EQ(sheet.heightMm, 210);
    EXPECT_EQ(sheet.title, "Входной вал");
    const Box paper{0, 0, sheet.widthMm, sheet.heightMm};
    for (const Item& item : sheet.items) EXPECT_TRUE(paper.Contains(ItemBox(item)));
    const std::vector<Text> texts = Texts(sheet);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        for (std::size_t j = i + 1; j < texts.size(); ++j) {
            const Box a = ItemBox(Item{Layer::Text, texts[i]});
            EXPECT_FALSE(a.Overlaps(ItemBox(Item{Layer::Text, texts[j]})))
                << texts[i].text << " / " << texts[j].text;
        }
    }
    for (const char* text :
         {"Входной вал (вал-шестерня): n = 960 мин⁻¹, T = 59,7 Н·м", "Fк = 1000 Н", "Fr = 800 Н",
          "Ft = 2000 Н", "Fa = 400 Н", "R1 = 1887 Н", "R2 = 1020 Н", "40", "Mr, Н·м", "Mt, Н·м",
          "M, Н·м", "T, Н·м", "-10,0", "-50,0"}) {
        EXPECT_EQ(Count(texts, text), 1) << text;
    }
    EXPECT_EQ(Count(texts, "50"), 2);    // support 1 to the gear, the gear to support 2
    EXPECT_EQ(Count(texts, "40,0"), 2);  // Mr and M at support 1
    EXPECT_EQ(Count(texts, "10,0"), 1);
    // Once each though two stations share the gear's x, and the torque once along its stretch.
    EXPECT_EQ(Count(texts, "51,0"), 1);
    EXPECT_EQ(Count(texts, "59,7"), 1);
    EXPECT_EQ(Count(texts, "0,0"), 0);
}

TEST(ShaftFigure, DiagramOfMPeaksAtTheGearWithHeightsInProportion) {
    const Sheet sheet = ShaftFigure(HandShaft());
    const std::vector<Text> texts = Texts(sheet);
    const auto caption =
        std::find_if(texts.begin(), texts.end(), [](const Text& t) { return t.text == "M, Н·м"; });
    ASSERT_NE(caption, texts.end());
    // The diagram's outline starts and ends on its zero line, at the shaft's two ends.
    const Polyline* diagram = nullptr;
    for (const Item& item : sheet.items) {
        const Polyline* p = std::get_if<Polyline>(&item.shape);
        if (p && item.layer == Layer::Contour && p->closed && p->points.front().y == caption->at.y)
            diagram = p;
    }
    ASSERT_NE(diagram, nullptr);
    const Point start = diagram->points.front();
    const double scale = (diagram->points.back().x - start.x) / 170;
    const auto peak = std::max_element(diagram->points.begin(), diagram->points.end(),
                                       [](Point a, Point b) { return a.y < b.y; });
    EXPECT_NEAR(peak->x, start.x + 110 * scale, 1e-9);
    const auto at = std::find_if(diagram->points.begin(), diagram->points.end(), [&](Point p) {
        return std::fabs(p.x - (start.x + 60 * scale)) < 1e-9;
    });
    ASSERT_NE(at, diagram->points.end());
    EXPECT_NEAR((at->y - start.y) / (peak->y - start.y), 40 / 50.990195, 1e-9);
}

class ShaftFigureFilesTest : public testing::TempDirTest {};

#ifndef _WIN32
// The exit status of a checker run on a file, or -1 when the checker is not installed.
int Check(const std::string& checker, const std::string& command) {
    if (std::system(("command -v " + checker + " >/dev/null 2>&1").c_str()) != 0) return -1;
    return std::system((command + " >/dev/null 2>&1").c_str());
}
#endif

TEST_F(ShaftFigureFilesTest, FourFilesThatCheckersAcceptAndAFailureNamesItsPath) {
    ShaftsDesign shafts;
    shafts.input = HandShaft();
    shafts.output = HandShaft();
    shafts.output.shaft = Shaft::Output;
    shafts.output.gearShaft = false;
    const auto in = [&](const char* dir, const char* name) {
        return FileInFolder(PathOf(dir), name);
    };
    const ShaftFigureFiles all = WriteShaftFigures(shafts, PathOf("figures"));
    EXPECT_EQ(all.error, "");
    EXPECT_EQ(all.written,
              std::vector<std::string>({in("figures", "input.pdf"), in("figures", "input.svg"),
                                        in("figures", "output.pdf"), in("figures", "output.svg")}));
#ifndef _WIN32
    for (const std::string& file : all.written) {
        const int status = file.ends_with(".pdf")
                               ? Check("qpdf", "qpdf --check '" + file + "'")
                               : Check("python3",
                                       "python3 -c 'import sys, xml.dom.minidom; "
                                       "xml.dom.minidom.parse(sys.argv[1])' '" +
                                           file + "'");
        if (status == -1) std::cout << "[ SKIPPED  ] no checker for " << file << "\n";
        EXPECT_TRUE(status == 0 || status == -1) << file;
    }
#endif

    // A later file that cannot be made keeps those before it.
    std::filesystem::create_directories(dir_ / "late" / "output.pdf");
    const ShaftFigureFiles late = WriteShaftFigures(shafts, PathOf("late"));
    EXPECT_EQ(late.error, "Cannot create file " + in("late", "output.pdf"));
    EXPECT_EQ(late.written,
              std::vector<std::string>({in("late", "input.pdf"), in("late", "input.svg")}));

    // A regular file where the directory must be.
    WriteFile("taken", "x");
    const std::string under = FileInFolder(PathOf("taken"), "figures");
    const ShaftFigureFiles none = WriteShaftFigures(shafts, under);
    EXPECT_EQ(none.error, "Invalid filename: " + under);
    EXPECT_TRUE(none.written.empty());
}

}  // namespace
}  // namespace gearpair
