// The sheets of the default design: format, scale, table and dimensions.
#include "drawing/drawings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/decimal_text.h"
#include "drawing/sheet_expand.h"
#include "drawing/title_block.h"
#include "engine/design_products.h"
#include "engine/design_run.h"

namespace gearpair {
namespace {

std::vector<std::string> Texts(const Sheet& sheet) {
    std::vector<std::string> texts;
    for (const Item& item : PlainSheet(sheet).items) {
        if (const Text* t = std::get_if<Text>(&item.shape)) texts.push_back(t->text);
    }
    return texts;
}

bool Has(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST(DefaultDesignSheets, FormatScaleTableTitleBlockAndDimensions) {
    GearSession session;
    ASSERT_TRUE(RunDesign(session, DesignInputs{}).completed);
    DrawingInputs inputs;
    inputs.developer = "Иванов";
    const DrawingSet set = BuildDrawings(session.design, DesignProductsOf(session.design), inputs);
    EXPECT_EQ(set.wheel.format + " " + set.wheel.scale, "A2 1:1");
    EXPECT_EQ(set.pinion.format + " " + set.pinion.scale, "A3 1:1");
    const auto wheel = Texts(set.wheel);
    // The teeth are cut at the angle the diameters come from, not at the 14 degrees entered.
    for (const char* text :
         {"Колесо зубчатое", "ГП.01.001", "ГП.01.002", "Сталь 45 ГОСТ 1050-2013", "Иванов",
          "Формат A2", "Листов", "1", "26,5", "95", "14°38′51″", "Правое",
          "106,235",  // W over 12 teeth
          "12", "294,574", "200", "34",
          // The accepted sizes, with their fits where they have one.
          "Ø300,57h11(-0,320)", "Ø80H7(+0,030)", "Ø125", "100", "120", "30", "45", "Ø260",
          "1,6×45°", "22Js9(±0,026)", "85,4+0,2", "8 отв. Ø32 равномерно", "Ø190", "1:1",
          "1. Улучшение 235…265 HB", "2. Общие допуски по ГОСТ 30893.1-m"}) {
        EXPECT_TRUE(Has(wheel, text)) << text;
    }
    EXPECT_FALSE(Has(wheel, "Лист 1"));
    // The withdrawn wording of the general tolerances is gone from every line.
    for (const std::string& text : wheel) EXPECT_EQ(text.find("IT14"), std::string::npos) << text;
    // Roughness: flanks and bore Ra 1,6, tip, keyway sides and both hub end faces Ra 3,2, the
    // rest under the general mark; the bore is datum А (the local view is not lettered).
    const auto count = [&wheel](const char* text) {
        return std::count(wheel.begin(), wheel.end(), text);
    };
    EXPECT_EQ(count("Ra 1,6"), 2);
    EXPECT_EQ(count("Ra 3,2"), 4);
    EXPECT_EQ(count("Ra 6,3"), 1);
    EXPECT_EQ(count("А"), 1);
    const auto pinion = Texts(set.pinion);
    for (const char* text : {"Шестерня", "ГП.01.002", "14°38′51″", "Левое", "41,424", "5",
                             "105,426", "95", "Ø111,43h11(-0,220)", "Ø56H7(+0,030)", "Ø90", "110",
                             "120", "16Js9(±0,021)", "60,3+0,2", "5,59"}) {
        EXPECT_TRUE(Has(pinion, text)) << text;
    }
}

// ГОСТ 2.304 and 2.403: the whole table in 3,5 mm; a name too long for its 65 mm column wraps
// onto a second line in a row of 16 mm, each line in the middle of its 8 mm.
TEST(DefaultDesignSheets, TableTextsAreThreeAndAHalfMillimetresAndLongNamesWrap) {
    GearSession session;
    ASSERT_TRUE(RunDesign(session, DesignInputs{}).completed);
    const Sheet wheel = BuildDrawings(session.design, DesignProductsOf(session.design)).wheel;
    const Box frame{20, 5, wheel.widthMm - 5, wheel.heightMm - 5};
    // 13 rows, five of them two lines: 18 lines of 8 mm.
    const double bottom = frame.top - 18 * 8;
    const auto outline = std::find_if(wheel.items.begin(), wheel.items.end(), [&](const Item& i) {
        const auto* p = std::get_if<Polyline>(&i.shape);
        return p && p->closed && p->points[0].x == frame.right - 110 && p->points[0].y == bottom &&
               p->points[2].y == frame.top;
    });
    EXPECT_NE(outline, wheel.items.end());
    std::string names;  // the name column from the top: mm below the frame, text
    for (const Item& item : wheel.items) {
        const Text* t = std::get_if<Text>(&item.shape);
        if (t == nullptr || t->at.x < frame.right - 110 || t->at.y < bottom) continue;
        EXPECT_EQ(t->height, 3.5) << t->text;
        if (t->at.x < frame.right - 45) {
            names += DecimalText(frame.top - t->at.y, 1) + " " + t->text + "\n";
        }
    }
    EXPECT_EQ(names,
              "4 Модуль\n12 Число зубьев\n20 Угол наклона\n28 Направление линии зуба\n"
              "36 Нормальный\n44 исходный контур\n52 Коэффициент смещения\n"
              "60 Степень точности\n68 по ГОСТ 1643-81\n76 Длина общей нормали\n"
              "84 Число зубьев в длине\n92 общей нормали\n100 Делительный диаметр\n"
              "108 Межосевое расстояние\n116 Число зубьев\n124 сопряжённого колеса\n"
              "132 Обозначение чертежа\n140 сопряжённого колеса\n");
    // A single word wider than the cell goes on between its characters, never smaller.
    EXPECT_EQ(TableCellLines("ГП.01.001.002.003", 20),
              (std::vector<std::string>{"ГП.01.001", ".002.003"}));  // 19,9 and 17,1 mm
}

// The teeth are drawn uncut: in both sections no hatch line reaches between the root and the
// tip circles.
TEST(DefaultDesignSheets, HatchingStopsAtTheRootLine) {
    GearSession session;
    ASSERT_TRUE(RunDesign(session, DesignInputs{}).completed);
    const TGearDesign& d = session.design;
    const DrawingSet set = BuildDrawings(d, DesignProductsOf(d));
    for (const auto& [sheet, root] :
         {std::pair{&set.wheel, d.df2}, std::pair{&set.pinion, d.df1}}) {
        const ViewPlace& section = sheet->views.front().place;
        int lines = 0;
        for (const Item& item : PlainSheet(*sheet).items) {
            const Line* line = std::get_if<Line>(&item.shape);
            if (item.layer != Layer::Hatch || line == nullptr) continue;
            ++lines;
            for (const Point& p : {line->from, line->to}) {
                EXPECT_LE(std::fabs(section.ToPart(p).y), root / 2 + 1e-9);
            }
        }
        EXPECT_GT(lines, 50);
    }
}

// The web's position and thickness are dimensioned in the space between hub and rim, so that
// no extension line runs through the rim: on the default wheel their line lies between the
// hub (Ø125) and the rim (Ø260), and it measures 45 and 30.
TEST(DefaultDesignSheets, WebChainBetweenHubAndRim) {
    GearSession session;
    ASSERT_TRUE(RunDesign(session, DesignInputs{}).completed);
    const DrawingSet set = BuildDrawings(session.design, DesignProductsOf(session.design));
    int found = 0;
    for (const Item& item : set.wheel.items) {
        const Dimension* d = std::get_if<Dimension>(&item.shape);
        if (d == nullptr || (d->text != "45" && d->text != "30")) continue;
        ++found;
        EXPECT_LT(d->line.y, -125 / 2.0) << d->text;
        EXPECT_GT(d->line.y, -260 / 2.0) << d->text;
    }
    EXPECT_EQ(found, 2);
}

// The default wheel: the bore is datum А, its triangle hanging from the extension line of the
// bore's lowest line in the local view (1:1, radius 40), halfway between the frame's room beside
// the vertical centre line (3,5 + 1 mm) and the depth's dimension line (40 + 10 mm); both hub
// end faces carry Ra 3,2 on their lines, the left sign turned to read from below, the right from
// the right.
TEST(DefaultDesignSheets, BoreIsDatumAAndBothHubFacesAreMarked) {
    GearSession session;
    ASSERT_TRUE(RunDesign(session, DesignInputs{}).completed);
    const Sheet sheet = BuildDrawings(session.design, DesignProductsOf(session.design)).wheel;
    const Point local = sheet.views[1].place.origin;
    int datums = 0;
    std::vector<double> faceAngles;
    for (const Item& item : sheet.items) {
        const Text* t = std::get_if<Text>(&item.shape);
        if (t == nullptr) continue;
        if (t->text == "А" && item.view == 1) {
            ++datums;
            EXPECT_NEAR(t->at.x - local.x, (4.5 + 50) / 2, 1e-9);
            EXPECT_NEAR(t->at.y - local.y, -40 - 4 * std::sqrt(0.75) - 3 - 3.5, 1e-9);
        }
        if (t->text == "Ra 3,2" && item.view == 0 && t->angleDeg != 0) {
            faceAngles.push_back(t->angleDeg);
        }
    }
    EXPECT_EQ(datums, 1);
    EXPECT_EQ(faceAngles, (std::vector<double>{90, -90}));
}

// A Ø6 bore at 1:1: its local view at 4:1, labelled "А (4:1)", the arrow "А" on the main view.
TEST(SmallBoreSheets, LocalViewEnlargedAndLabelled) {
    GearSession session;
    DesignInputs inputs;
    inputs.uzText = "4";
    inputs.hkolText = "207";
    inputs.powerText = "60";
    inputs.nwText = "3000";
    ASSERT_TRUE(RunDesign(session, inputs).completed);
    const DrawingSet set = BuildDrawings(session.design, DesignProductsOf(session.design));
    ASSERT_EQ(set.wheel.scale, "1:1");
    ASSERT_EQ(set.wheel.views.size(), 2u);
    EXPECT_EQ(set.wheel.views[1].place.scale, 4);
    const auto texts = Texts(set.wheel);
    EXPECT_TRUE(Has(texts, "А (4:1)"));
    EXPECT_TRUE(Has(texts, "А"));
    EXPECT_TRUE(Has(texts, "Ø6H7(+0,012)"));
}

// On the same small wheel (face 20 mm, bore Ø6 with a 2 mm keyway, hub Ø9,5, 1:1): the bore's
// size stands on a shelf beside its circle in the local view (its diameter line at 45°, 4 mm on
// up and left, the text 1 mm over the shelf), not dropped below the main view; the hub's text
// too long for its line goes up it, between the hub's and the tip's extension lines; the flank
// mark's leader rises 4,5 mm inside the face (3 mm arrowhead, 1,5 mm clear), and the local
// view's centre lines start at the centre and end 3 mm past the contour on a dash that crosses
// it.
TEST(SmallBoreSheets, TextsBesideTheirFeaturesAndCentreLinesOnDashes) {
    GearSession session;
    DesignInputs inputs;
    inputs.uzText = "4";
    inputs.hkolText = "207";
    inputs.powerText = "60";
    inputs.nwText = "3000";
    ASSERT_TRUE(RunDesign(session, inputs).completed);
    const DesignProducts products = DesignProductsOf(session.design);
    ASSERT_EQ(products.parts.wheel.bore, 6);
    ASSERT_EQ(products.parts.wheel.face, 20);
    const Sheet sheet = BuildDrawings(session.design, products).wheel;
    const Point main = sheet.views[0].place.origin;
    const Point local = sheet.views[1].place.origin;
    int boreTexts = 0;
    int flankLeaders = 0;
    std::vector<std::pair<double, double>> right;  // the centre line's pieces right of the centre
    for (const Item& item : sheet.items) {
        if (const Text* t = std::get_if<Text>(&item.shape); t && t->text == "Ø6H7(+0,012)") {
            ++boreTexts;
            EXPECT_EQ(item.view, 1);
            EXPECT_EQ(t->angleDeg, 0);
            EXPECT_NEAR(t->at.y - local.y, 12 * std::sqrt(0.5) + 4 + 1, 1e-9);
        }
        if (const Dimension* d = std::get_if<Dimension>(&item.shape); d && d->text == "Ø9,5") {
            EXPECT_GT(d->textShift, 9.5 / 2);
        }
        const Line* line = std::get_if<Line>(&item.shape);
        if (line == nullptr) continue;
        if (item.view == 0 && item.layer == Layer::Dimension && line->from.x == line->to.x &&
            std::fabs(line->from.x - (main.x - 10 + 4.5)) < 1e-9) {
            ++flankLeaders;
        }
        if (item.view == 1 && item.layer == Layer::Axis && line->from.y == local.y &&
            line->to.x > local.x) {
            right.emplace_back(line->from.x - local.x, line->to.x - local.x);
        }
    }
    EXPECT_EQ(boreTexts, 1);
    EXPECT_EQ(flankLeaders, 1);
    ASSERT_FALSE(right.empty());
    std::sort(right.begin(), right.end());
    EXPECT_EQ(right.front().first, 0);
    // 12 mm of radius on paper (the 4:1 view's Ø6 bore; the keyway is narrower) and 3 mm over.
    EXPECT_NEAR(right.back().second, 12 + 3, 1e-9);
    const auto covers = [&](double at) {
        return std::any_of(right.begin(), right.end(), [at](const auto& piece) {
            return piece.first <= at && at <= piece.second;
        });
    };
    EXPECT_TRUE(covers(12 - 0.5));
    EXPECT_TRUE(covers(12 + 1));
}

// A user's text reaches the sheet whole or not at all.
TEST(DefaultDesignSheets, TitleBlockTextsThatCannotGoOnTheSheetAreErrors) {
    GearSession session;
    ASSERT_TRUE(RunDesign(session, DesignInputs{}).completed);
    const DesignProducts sizes = DesignProductsOf(session.design);
    DrawingInputs control;
    control.checker = "Петров\nИ.";
    EXPECT_THROW(BuildDrawings(session.design, sizes, control), DrawingTextError);
    DrawingInputs broken;
    broken.organisation = "\xD0";
    EXPECT_THROW(BuildDrawings(session.design, sizes, broken), DrawingTextError);
    DrawingInputs longName;
    longName.developer = "Константинопольский";
    EXPECT_THROW(BuildDrawings(session.design, sizes, longName), DrawingTextError);
    // DXF has no way to write a character beyond U+FFFF.
    DrawingInputs astral;
    astral.organisation = "ООО 😀";
    try {
        BuildDrawings(session.design, sizes, astral);
        ADD_FAILURE() << "accepted";
    } catch (const DrawingTextError& error) {
        EXPECT_STREQ(error.what(),
                     "Поле «Организация» содержит символ U+1F600, который нельзя записать в "
                     "чертёж DXF");
    }
}

}  // namespace
}  // namespace gearpair
