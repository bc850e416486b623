// Default material and heat treatment of the gears, and the hardness conversion they use.
#include "engine/material.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <utility>

namespace gearpair {
namespace {

// ASTM A370 / E140, Rockwell C to Brinell 3000 kgf: HRC 20 to 65, one row per unit.
constexpr std::array<int, 46> kBrinellOfHrc20To65 = {
    226, 231, 237, 243, 247, 253, 258, 264, 271, 279, 286, 294, 301, 311, 319, 327,
    336, 344, 353, 362, 371, 381, 390, 400, 409, 421, 432, 442, 455, 468, 482, 496,
    512, 525, 543, 560, 577, 595, 615, 634, 654, 670, 688, 706, 722, 739};

TEST(HardnessConversion, EveryRowAndTheMiddleOfEveryInterval) {
    for (std::size_t i = 0; i < kBrinellOfHrc20To65.size(); ++i) {
        const double hrc = 20.0 + static_cast<double>(i);
        SCOPED_TRACE(hrc);
        EXPECT_EQ(BrinellToRockwellC(kBrinellOfHrc20To65[i]), hrc);
        if (i > 0) {
            const double middle = (kBrinellOfHrc20To65[i - 1] + kBrinellOfHrc20To65[i]) / 2.0;
            EXPECT_DOUBLE_EQ(*BrinellToRockwellC(middle), hrc - 0.5);
        }
    }
    EXPECT_EQ(BrinellToRockwellC(225.9), std::nullopt);
    EXPECT_EQ(BrinellToRockwellC(739.1), std::nullopt);
}

TEST(DefaultMaterial, SteelAndTreatmentAtTheHardnessLimits) {
    const std::pair<double, GearMaterial> cases[] = {
        {250, {"Сталь 45 ГОСТ 1050-2013", "Улучшение 235…265 HB"}},
        {262, {"Сталь 45 ГОСТ 1050-2013", "Улучшение 245…275 HB"}},
        {262.5, {"Сталь 40Х ГОСТ 4543-2016", "Улучшение 250…280 HB"}},
        {302, {"Сталь 40Х ГОСТ 4543-2016", "Улучшение 285…315 HB"}},
        {302.5, {"Сталь 40ХН ГОСТ 4543-2016", "Улучшение 290…320 HB"}},
        {350, {"Сталь 40ХН ГОСТ 4543-2016", "Улучшение 335…365 HB"}},
        // 351 HB is 37,8 HRC; 525 HB is 53 HRC.
        {351, {"Сталь 40Х ГОСТ 4543-2016", "Улучшение, закалка ТВЧ зубьев 35…40 HRC"}},
        {525, {"Сталь 40Х ГОСТ 4543-2016", "Улучшение, закалка ТВЧ зубьев 51…56 HRC"}},
        {526, {"Сталь 20ХН2М ГОСТ 4543-2016", "Цементация, закалка 51…56 HRC"}},
        {682, {"Сталь 20ХН2М ГОСТ 4543-2016", "Цементация, закалка 59…64 HRC"}},
    };
    for (const auto& [hb, expected] : cases) {
        SCOPED_TRACE(hb);
        const GearMaterial m = DefaultMaterial(hb);
        EXPECT_EQ(m.steel, expected.steel);
        EXPECT_EQ(m.treatment, expected.treatment);
    }
}

TEST(DefaultMaterial, EngineersSteelReplacesTheDefaultOfBothGears) {
    TGearDesign d;
    d.hkol = 250;
    d.hw = 280;
    PairMaterials pair = MaterialsOf(d, std::nullopt);
    EXPECT_EQ(pair.wheel.steel, "Сталь 45 ГОСТ 1050-2013");
    EXPECT_EQ(pair.pinion.steel, "Сталь 40Х ГОСТ 4543-2016");
    EXPECT_EQ(pair.pinion.treatment, "Улучшение 265…295 HB");

    pair = MaterialsOf(d, "Сталь 40ХН2МА ГОСТ 4543-2016");
    EXPECT_EQ(pair.wheel.steel, "Сталь 40ХН2МА ГОСТ 4543-2016");
    EXPECT_EQ(pair.pinion.steel, "Сталь 40ХН2МА ГОСТ 4543-2016");
    EXPECT_EQ(pair.wheel.treatment, "Улучшение 235…265 HB");
}

}  // namespace
}  // namespace gearpair
