// The load-concentration table: rows by psibd with single-precision midpoints, every cell
// with the hardness classes and the cells without a value.
#include <gtest/gtest.h>

#include "engine/gear_design.h"

namespace gearpair {
namespace {

struct RowCase {
    double psibd;
    int row;
};

class KhbetaRow : public ::testing::TestWithParam<RowCase> {};

TEST_P(KhbetaRow, FallsOnTheNearestBreakpoint) {
    GearSession session;
    session.design.hw = 280;
    LookupKhbeta(session, 3, GetParam().psibd);
    EXPECT_EQ(session.design.khbetaRow, GetParam().row) << "psibd " << GetParam().psibd;
}

INSTANTIATE_TEST_SUITE_P(
    RoundedMidpoints, KhbetaRow,
    ::testing::Values(RowCase{0, 1}, RowCase{0.1, 1}, RowCase{0.2, 1}, RowCase{0.3, 1},
                      RowCase{0.30000001192092896, 2}, RowCase{0.5, 3}, RowCase{0.7, 3},
                      RowCase{0.7000000476837158, 4}, RowCase{0.8999999761581421, 5},
                      RowCase{0.9, 5}, RowCase{0.95, 5}, RowCase{1.1, 5},
                      RowCase{1.100000023841858, 6}, RowCase{1.3, 7}, RowCase{1.4999, 7},
                      RowCase{1.5, 8}, RowCase{2.5515, 8}));

// Every cell: arrangement 1 to 3, up to 350 HB and above, rows 1 to 8; 0 where the table has
// no value. Each psibd lies inside its row's range.
TEST(LookupKhbeta, GivesEveryCellOfTheTable) {
    constexpr double kNoValue = 0;
    constexpr double kPsibdOfRow[8] = {0.25, 0.4, 0.6, 0.8, 1.0, 1.2, 1.4, 1.6};
    constexpr double kCells[3][2][8] = {
        {{1.05, 1.12, 1.2, 1.27, kNoValue, kNoValue, kNoValue, kNoValue},
         {1.1, 1.25, 1.45, kNoValue, kNoValue, kNoValue, kNoValue, kNoValue}},
        {{1.03, 1.03, 1.04, 1.05, 1.07, 1.1, 1.13, 1.15},
         {1.02, 1.05, 1.08, 1.14, 1.2, 1.25, 1.31, kNoValue}},
        {{1.01, 1.02, 1.025, 1.025, 1.03, 1.04, 1.05, 1.06},
         {1.01, 1.02, 1.025, 1.03, 1.06, 1.08, 1.12, 1.16}},
    };
    for (int arrangement = 1; arrangement <= 3; ++arrangement) {
        for (int hardnessClass = 0; hardnessClass < 2; ++hardnessClass) {
            for (int row = 1; row <= 8; ++row) {
                GearSession session;
                session.design.hw = hardnessClass == 0 ? 280 : 400;
                const std::optional<double> factor = LookupKhbeta(
                    session, static_cast<std::uint8_t>(arrangement), kPsibdOfRow[row - 1]);
                ASSERT_EQ(session.design.khbetaRow, row);
                EXPECT_EQ(factor.value_or(kNoValue),
                          kCells[arrangement - 1][hardnessClass][row - 1])
                    << "arrangement " << arrangement << ", class " << hardnessClass << ", row "
                    << row;
            }
        }
    }
}

TEST(LookupKhbeta, PinionHardnessOf350IsTheSofterClass) {
    GearSession session;
    session.design.hw = 350;
    EXPECT_EQ(LookupKhbeta(session, 1, 0.8), 1.27);
    session.design.hw = 350.5;
    EXPECT_EQ(LookupKhbeta(session, 1, 0.8), std::nullopt);
}

}  // namespace
}  // namespace gearpair
