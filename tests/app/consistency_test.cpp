// Every output of one design tells the same story: over the variant searches of two machines
// (2 548 designs, gear shafts and pairs that cannot be built among them) each variant's row
// equals the single run of its inputs, the hand-off carries the JSON's part sizes, the title
// blocks weigh what the JSON weighs, the sheets carry the accepted sizes and the check data, and
// the STL of the drawn parts holds their mass.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "app/design_job.h"
#include "core/decimal_text.h"
#include "core/format_fixed.h"
#include "engine/tolerances.h"
#include "engine/variant_search.h"
#ifdef GEARPAIR_DRAWINGS
#include "drawing/drawings.h"
#include "drawing/gear_sheet.h"
#include "drawing/sheet_expand.h"
#endif
#ifdef GEARPAIR_MODELS
#include "model/gear_mesh.h"
#include "model/gear_section.h"
#include "model/model_files.h"
#endif

namespace gearpair {
namespace {

struct Tally {
    int completed = 0;
    int unbuildable = 0;
    int gearShafts = 0;
    int meshes = 0;
};

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

#ifdef GEARPAIR_DRAWINGS
bool SheetHasText(const Sheet& sheet, const std::string& text) {
    for (const Item& item : PlainSheet(sheet).items) {
        const Text* t = std::get_if<Text>(&item.shape);
        if (t != nullptr && t->text == text) return true;
    }
    return false;
}

std::string CheckText(const CheckData& c) {
    return DecimalText(c.normalMeasurable ? c.commonNormal : c.constantChord, 3);
}
#endif

void CheckVariant(const DesignInputs& fixed, const Variant& v, int index, Tally& tally) {
    const JobResult job = RunDesignJob(VariantInputs(fixed, v), std::nullopt);
    const std::string where = std::string(kWidthTexts[v.widthItem]) + " " +
                              std::string(kHelixTexts[v.helixItem]) + " " + v.hardness;
    ASSERT_EQ(StatusName(job.status), StatusName(VariantStatus(v))) << where;
    if (!RunCompleted(job)) return;
    ++tally.completed;
    const DesignProducts& p = *job.products;
    tally.unbuildable += p.buildable ? 0 : 1;
    tally.gearShafts += p.parts.pinionForm == PinionForm::GearShaft ? 1 : 0;
    EXPECT_EQ(v.aw, job.design->aw) << where;
    EXPECT_EQ(v.masses.wheel, p.masses.wheel) << where;
    EXPECT_EQ(v.masses.pinion, p.masses.pinion) << where;
    EXPECT_EQ(v.warnings, p.warnings) << where;

    // The hand-off's part sizes are the computed ones the JSON writes as "sizes".
    for (const auto& fields : {std::span<const PartSizeField>(kWheelSizeFields),
                               std::span<const PartSizeField>(kPinionSizeFields)}) {
        for (const PartSizeField& f : fields) {
            const std::string entry = "(" + std::string(f.handoffLabel) + " " +
                                      FormatFixed(p.sizes.*f.size, 8, 3, '.') + ")";
            EXPECT_TRUE(Contains(*job.handoff, entry)) << where << " " << entry;
        }
    }

#ifdef GEARPAIR_DRAWINGS
    const DrawingSet sheets = BuildDrawings(*job.design, p);
    EXPECT_TRUE(SheetHasText(sheets.wheel, MassText(p.masses.wheel))) << where;
    EXPECT_TRUE(SheetHasText(sheets.pinion, MassText(p.masses.pinion))) << where;
    EXPECT_TRUE(SheetHasText(sheets.wheel, CheckText(p.checkData.wheel))) << where;
    // The JSON's "drawing_sizes" are the sheet's: the wheel's accepted bore with its fit.
    EXPECT_TRUE(SheetHasText(sheets.wheel, BoreToleranceTexts(p.accepted.dvkol).bore)) << where;
    if (p.buildable) {
        EXPECT_TRUE(SheetHasText(sheets.pinion, CheckText(p.checkData.pinion))) << where;
    }
#endif
#ifdef GEARPAIR_MODELS
    // Meshing is the slow part: one design in 25 is enough to hold every shape to its mass.
    if (index % 25 == 0) {
        ++tally.meshes;
        for (const GearSection& section : {WheelSection(*job.design, p.parts, kMeshTolerance),
                                           PinionSection(*job.design, p.parts, kMeshTolerance)}) {
            const double volume = MeshVolume(GearMesh(section, kMeshTolerance));
            EXPECT_NEAR(SteelMass(volume) / SteelMass(PartVolume(section.part)), 1, 1e-3) << where;
        }
    }
#else
    (void)index;
#endif
}

TEST(OneDesignOneStory, EveryOutputOfEveryVariantAgrees) {
    Tally tally;
    DesignInputs heavy;  // the defaults
    DesignInputs light;  // light, fast-turning pairs: many cannot carry their torque
    light.uzText = "4";
    light.powerText = "6000";
    light.nwText = "100";
    light.arrangement = 3;
    std::vector<std::string> hardness(kDefaultHardnessTexts.begin(), kDefaultHardnessTexts.end());
    for (const DesignInputs& fixed : {heavy, light}) {
        const std::vector<Variant> variants = SearchVariants(fixed, hardness);
        for (std::size_t i = 0; i < variants.size(); ++i) {
            CheckVariant(fixed, variants[i], static_cast<int>(i), tally);
            if (HasFatalFailure()) return;
        }
    }
    EXPECT_GT(tally.completed, 2000);
    EXPECT_GT(tally.unbuildable, 50);
    EXPECT_GT(tally.gearShafts, 10);
    RecordProperty("completed", tally.completed);
    RecordProperty("meshes", tally.meshes);
}

}  // namespace
}  // namespace gearpair
