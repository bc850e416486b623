// A sweep of the input domain through both working drawings: every item of the three lists and
// every arrangement, crossed with the bounds and middle values of the typed fields. Each
// completed design must give two sheets with finite coordinates, everything on the paper, the
// views inside the frame clear of the table, the requirements and the title block, and the
// dimension texts showing the part sizes to 0.01 mm.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/errors.h"
#include "drawing/drawings.h"
#include "drawing/gear_sheet.h"
#include "drawing/gear_tables.h"
#include "drawing/sheet_expand.h"
#include "drawing/sheet_format.h"
#include "drawing/sheet_geometry.h"
#include "engine/design_inputs.h"
#include "engine/design_run.h"
#include "engine/gear_part.h"
#include "engine/part_sizes.h"

namespace gearpair {
namespace {

// A size to 0.01 mm with the decimal comma and no trailing zeros, made independently of the
// drawing's own formatting.
std::string Hundredths(double mm) {
    // A double times 100 is exact in the 64-bit mantissa of long double, so this rounds the
    // exact value, a half away from zero, as the report does.
    const long long hundredths = std::llround(static_cast<long double>(mm) * 100);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%lld.%02lld", hundredths / 100, hundredths % 100);
    std::string text = buffer;
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    for (char& c : text) {
        if (c == '.') c = ',';
    }
    return text;
}

std::vector<std::string> ExpectedDimensions(const GearPart& p) {
    std::vector<std::string> texts = {"Ø" + Hundredths(p.tip), "Ø" + Hundredths(p.bore),
                                      Hundredths(p.face), Hundredths(p.chamfer) + "×45°"};
    if (p.HasHub()) texts.push_back("Ø" + Hundredths(p.hubDiameter));
    if (p.HasHub() && p.hubLength > p.face) texts.push_back(Hundredths(p.hubLength));
    if (p.keyway) {
        texts.push_back(Hundredths(p.keyway->width));
        texts.push_back(Hundredths(p.bore + p.keyway->hubDepth));
    }
    if (p.web) {
        texts.push_back(Hundredths(p.webThickness));
        texts.push_back(std::to_string(p.holes) + " отв. Ø" + Hundredths(p.holeDiameter));
        texts.push_back("Ø" + Hundredths(p.holeCircle));
    }
    return texts;
}

struct SweepStats {
    long designs = 0;
    long completed = 0;
    long faults = 0;
    long solidDiscs = 0;
    long gearShafts = 0;
    long keyless = 0;
    double smallestWheel = 1e300;
    double largestWheel = 0;
    std::map<std::string, long> layouts;  // "A3 1:2"
};

void Fault(SweepStats& stats, const std::string& what) {
    if (++stats.faults <= 20) ADD_FAILURE() << what;
}

void CheckSheet(const Sheet& sheet, const Box& views, const GearPart& part, int requirementLines,
                const std::string& name, SweepStats& stats) {
    ++stats.layouts[sheet.format + " " + sheet.scale];
    const Box paper{0, 0, sheet.widthMm, sheet.heightMm};
    std::set<std::string> texts;
    for (const Item& item : PlainSheet(sheet).items) {
        const Box box = ItemBox(item);
        if (!std::isfinite(box.left) || !std::isfinite(box.right) || !std::isfinite(box.bottom) ||
            !std::isfinite(box.top)) {
            return Fault(stats, name + ": a coordinate is not finite");
        }
        if (!paper.Contains(box)) return Fault(stats, name + ": an item leaves the paper");
        if (const Text* text = std::get_if<Text>(&item.shape)) texts.insert(text->text);
    }
    const SheetFormat* format = nullptr;
    for (const SheetFormat& f : kSheetFormats) {
        if (f.name == sheet.format) format = &f;
    }
    if (format == nullptr) return Fault(stats, name + ": no ISO format " + sheet.format);
    const Box frame = InnerFrame(*format);
    if (!frame.Contains(views)) return Fault(stats, name + ": a view leaves the frame");
    if (views.Overlaps(TitleBlockBox(frame)) || views.Overlaps(TableBox(frame)) ||
        views.Overlaps(RequirementsBox(frame, requirementLines))) {
        return Fault(stats, name + ": a view overlaps the table, requirements or title block");
    }
    for (const std::string& expected : ExpectedDimensions(part)) {
        if (texts.count(expected) == 0) return Fault(stats, name + ": no dimension " + expected);
    }
}

void RunOne(const DesignInputs& inputs, SweepStats& stats) {
    ++stats.designs;
    GearSession session;
    RunOutcome outcome;
    try {
        outcome = RunDesign(session, inputs);
    } catch (const Error&) {
        return;  // the engine's own sweep reports these
    }
    if (!outcome.completed) return;
    ++stats.completed;
    const TGearDesign& d = session.design;
    const PartSizes sizes = DerivePartSizes(d);
    const std::string name = "P " + inputs.powerText + ", n " + inputs.nwText + ", uz " +
                             inputs.uzText + ", psiba " +
                             std::string(kWidthTexts[inputs.psibaIndex]) + ", betta " +
                             inputs.bettaText + ", arr " + std::to_string(inputs.arrangement);

    const GearPart wheel = WheelPart(d, sizes);
    const GearPart pinion = PinionPart(d, sizes);
    const std::string reason = GearShaftReason(pinion, d.mn);
    stats.solidDiscs += wheel.web ? 0 : 1;
    stats.gearShafts += reason.empty() ? 0 : 1;
    stats.keyless += (wheel.keyway ? 0 : 1) + (pinion.keyway ? 0 : 1);
    stats.smallestWheel = std::min(stats.smallestWheel, d.da2);
    stats.largestWheel = std::max(stats.largestWheel, d.da2);

    const auto wheelLines = Requirements(wheel, d.hkol, true, "");
    const auto pinionLines = Requirements(pinion, d.hw, false, reason);
    Box views;
    const Sheet wheelSheet = BuildGearSheet(
        wheel, GearSheetTexts{"Колесо зубчатое", ParameterRows(d, true), wheelLines}, &views);
    CheckSheet(wheelSheet, views, wheel, static_cast<int>(RequirementLines(wheelLines).size()),
               "wheel of " + name, stats);
    const Sheet pinionSheet = BuildGearSheet(
        pinion, GearSheetTexts{"Шестерня", ParameterRows(d, false), pinionLines}, &views);
    CheckSheet(pinionSheet, views, pinion, static_cast<int>(RequirementLines(pinionLines).size()),
               "pinion of " + name, stats);

    // The set the command line writes is these two sheets.
    const DrawingSet set = BuildDrawings(d, sizes);
    if (set.wheel.items.size() != wheelSheet.items.size() ||
        set.pinion.items.size() != pinionSheet.items.size() ||
        set.warnings.size() != (reason.empty() ? 0u : 1u)) {
        Fault(stats, name + ": BuildDrawings differs from its sheets");
    }
}

TEST(DrawingSweep, EveryCompletedDesignGetsTwoSheetsThatFit) {
    const std::vector<std::string> powers = {"60", "6000", "55000"};
    const std::vector<std::string> speeds = {"1", "86,3", "10000"};
    const std::vector<std::string> hardnesses = {"207", "652"};
    SweepStats stats;
    DesignInputs inputs;
    inputs.tText = "10000";
    for (const std::string_view ratio : kRatioTexts) {
        inputs.uzText = std::string(ratio);
        for (int width = 0; width < static_cast<int>(kWidthTexts.size()); ++width) {
            inputs.psibaIndex = width;
            for (const std::string_view helix : kHelixTexts) {
                inputs.bettaText = std::string(helix);
                for (int arrangement = 1; arrangement <= 3; ++arrangement) {
                    inputs.arrangement = arrangement;
                    for (const auto& power : powers) {
                        inputs.powerText = power;
                        for (const auto& speed : speeds) {
                            inputs.nwText = speed;
                            for (const auto& hardness : hardnesses) {
                                inputs.hkolText = hardness;
                                RunOne(inputs, stats);
                            }
                        }
                    }
                }
            }
        }
    }
    std::cout << stats.designs << " designs, " << stats.completed << " completed; "
              << stats.solidDiscs << " solid-disc wheels, " << stats.gearShafts
              << " gear-shaft pinions, " << stats.keyless << " bores without a key; wheels Ø"
              << stats.smallestWheel << " to Ø" << stats.largestWheel << " mm\n";
    for (const auto& [layout, count] : stats.layouts) {
        std::cout << "  " << layout << ": " << count << '\n';
    }
    EXPECT_GE(stats.completed, 3000);
    EXPECT_GT(stats.solidDiscs, 0);
    EXPECT_GT(stats.gearShafts, 0);
    EXPECT_EQ(stats.faults, 0);
}

}  // namespace
}  // namespace gearpair
