// The gear shaft's sheet: every step of the designed input shaft dimensioned, the bearing seats
// with their fit, the keyway's texts, the title block, nothing overlapping; a pinion on a key
// keeps its own sheet.
#include "drawing/shaft_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "drawing/drawing_texts.h"
#include "drawing/drawings.h"
#include "drawing/sheet_expand.h"
#include "drawing/sheet_geometry.h"
#include "engine/design_products.h"
#include "engine/design_run.h"
#include "engine/masses.h"
#include "engine/tolerances.h"

namespace gearpair {
namespace {

struct Designed {
    TGearDesign design;
    DesignProducts products;
    ShaftsDesign shafts;
};

Designed Design(const DesignInputs& inputs) {
    GearSession session;
    EXPECT_TRUE(RunDesign(session, inputs).completed);
    Designed d{session.design, DesignProductsOf(session.design), {}};
    d.shafts = DesignShafts(d.design, d.products, static_cast<std::uint8_t>(inputs.arrangement));
    return d;
}

// ratio 4, 450 HB, 6000 W at 1000 min^-1: the pinion cannot sit on a key.
DesignInputs GearShaftInputs() {
    DesignInputs inputs;
    inputs.uzText = "4";
    inputs.hkolText = "450";
    inputs.powerText = "6000";
    inputs.nwText = "1000";
    return inputs;
}

std::vector<Text> Texts(const Sheet& sheet) {
    std::vector<Text> texts;
    for (const Item& item : PlainSheet(sheet).items) {
        if (const Text* t = std::get_if<Text>(&item.shape)) texts.push_back(*t);
    }
    return texts;
}

bool Has(const std::vector<Text>& texts, const std::string& text) {
    return std::any_of(texts.begin(), texts.end(), [&](const Text& t) { return t.text == text; });
}

TEST(GearShaftSheet, DimensionsEveryStepOfTheInputShaftAndNothingOverlaps) {
    const Designed d = Design(GearShaftInputs());
    ASSERT_EQ(d.products.parts.pinionForm, PinionForm::GearShaft);
    const ShaftDesign& shaft = d.shafts.input;
    ASSERT_TRUE(shaft.gearShaft);
    const Sheet sheet = BuildDrawings(d.design, d.products, {}, &shaft).pinion;
    const std::vector<Text> texts = Texts(sheet);

    // Every step's length as a horizontal dimension measuring exactly its step, left to right,
    // and its diameter; the bearing seats with k6, the teeth with the tip's h11.
    std::vector<const Dimension*> lengths;
    for (const Item& item : sheet.items) {
        const Dimension* dim = std::get_if<Dimension>(&item.shape);
        if (dim != nullptr && item.view == 0 && dim->directionDeg == 0) lengths.push_back(dim);
    }
    double x = 0;
    int seats = 0;
    for (const ShaftStep& step : shaft.steps) {
        const auto link = std::find_if(lengths.begin(), lengths.end(), [&](const Dimension* dim) {
            return std::fabs(dim->first.x - x) < 1e-9 &&
                   std::fabs(dim->second.x - (x + step.length)) < 1e-9;
        });
        ASSERT_NE(link, lengths.end()) << x;
        EXPECT_EQ((*link)->text, SizeText(step.length));
        std::string diameter = DiameterText(step.d);
        if (step.kind == StepKind::Bearing) diameter += "k6", ++seats;
        if (step.kind == StepKind::Teeth) {
            EXPECT_DOUBLE_EQ(step.d, d.products.parts.pinion.tip);
            diameter = TipDiameterText(step.d, 2);
        }
        EXPECT_TRUE(Has(texts, diameter)) << diameter;
        x += step.length;
    }
    EXPECT_EQ(seats, 2);
    EXPECT_TRUE(Has(texts, SizeText(x) + "*"));

    // The shaft end's keyway: its section, the width N9 and d - t1.
    const auto key = std::find_if(shaft.keys.begin(), shaft.keys.end(),
                                  [](const ShaftKeyAt& k) { return k.at == StepKind::End; });
    ASSERT_NE(key, shaft.keys.end());
    EXPECT_TRUE(Has(texts, "А–А"));
    EXPECT_TRUE(Has(texts, ShaftKeywayWidthText(key->key.b)));
    EXPECT_TRUE(Has(texts, ShaftKeywayDepthText(key->key.d - key->key.t1, key->key.h)));

    // The title block: the name, the pinion's designation, the whole shaft's mass.
    const double mass = GearShaftMass(shaft, d.products.parts.pinion);
    EXPECT_GT(mass, 1.5 * d.products.masses.pinion);
    for (const std::string& text :
         {std::string("Вал-шестерня"), std::string("ГП.01.002"), MassText(mass)}) {
        EXPECT_TRUE(Has(texts, text)) << text;
    }
    EXPECT_FALSE(Has(texts, "Шестерня"));

    // No two texts of the views overlap, none leaves the frame, and no line of a view crosses
    // a view's text.
    const Box frame{20, 5, sheet.widthMm - 5, sheet.heightMm - 5};
    const Sheet plain = PlainSheet(sheet);
    std::vector<std::pair<Box, std::string>> boxes;
    for (const Item& item : plain.items) {
        const Text* t = std::get_if<Text>(&item.shape);
        if (t == nullptr || item.view == kNoView) continue;
        const Box box = ItemBox(item);
        EXPECT_TRUE(frame.Contains(box)) << t->text;
        for (const auto& [other, text] : boxes) {
            EXPECT_FALSE(box.Overlaps(other)) << t->text << " / " << text;
        }
        boxes.emplace_back(box, t->text);
    }
    for (const Item& item : plain.items) {
        const Line* line = std::get_if<Line>(&item.shape);
        if (line == nullptr || item.view == kNoView || item.layer == Layer::Hatch) continue;
        for (const Item& text : plain.items) {
            if (text.view == kNoView || !std::holds_alternative<Text>(text.shape)) continue;
            Box box = ItemBox(text);
            // A line ending at a text's box (a dimension line under its text) is not a crossing.
            box = {box.left + 0.3, box.bottom + 0.3, box.right - 0.3, box.top - 0.3};
            const Box run{std::min(line->from.x, line->to.x), std::min(line->from.y, line->to.y),
                          std::max(line->from.x, line->to.x), std::max(line->from.y, line->to.y)};
            const bool straight = line->from.x == line->to.x || line->from.y == line->to.y;
            if (straight) {
                EXPECT_FALSE(run.Overlaps(box) ||
                             (run.Width() == 0 && run.left > box.left && run.left < box.right &&
                              run.bottom < box.top && run.top > box.bottom) ||
                             (run.Height() == 0 && run.bottom > box.bottom &&
                              run.bottom < box.top && run.left < box.right && run.right > box.left))
                    << std::get<Text>(text.shape).text;
            }
        }
    }
}

TEST(GearShaftSheet, PinionOnAKeyKeepsItsSheet) {
    const Designed d = Design(DesignInputs{});
    ASSERT_EQ(d.products.parts.pinionForm, PinionForm::OnKey);
    const Sheet withShafts = BuildDrawings(d.design, d.products, {}, &d.shafts.input).pinion;
    const Sheet without = BuildDrawings(d.design, d.products).pinion;
    EXPECT_EQ(withShafts.items.size(), without.items.size());
    EXPECT_TRUE(Has(Texts(withShafts), "Шестерня"));
}

// ISO 286-2's N9 rows at the key widths' edges: up to 3 mm -4/-29 µm, over 10 up to 18 mm
// 0/-43, over 18 up to 30 mm 0/-52; d - t1 less the deviation of ГОСТ 23360 by key height.
TEST(GearShaftSheet, KeywayTextsCarryTheirDeviations) {
    EXPECT_EQ(ShaftKeywayWidthText(3), "3N9(-0,004/-0,029)");
    EXPECT_EQ(ShaftKeywayWidthText(12), "12N9(-0,043)");
    EXPECT_EQ(ShaftKeywayWidthText(20), "20N9(-0,052)");
    EXPECT_EQ(ShaftKeywayDepthText(26, 7), "26-0,2");
    EXPECT_EQ(ShaftKeywayDepthText(15.5, 5), "15,5-0,1");
    EXPECT_EQ(BearingSeatText(40), "Ø40k6");
}

}  // namespace
}  // namespace gearpair
