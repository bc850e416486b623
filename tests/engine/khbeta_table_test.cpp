// The load-concentration table: rows by psibd with single-precision midpoints, hardness
// classes and the entries without a value.
#include <gtest/gtest.h>

#include "engine/gear_design.h"
#include "core/errors.h"

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

struct EntryCase {
    int arrangement;
    double hw;
    double psibd;
    double factor;
};

class KhbetaEntry : public ::testing::TestWithParam<EntryCase> {};

TEST_P(KhbetaEntry, GivesTheTableValue) {
    const EntryCase& c = GetParam();
    GearSession session;
    session.design.hw = c.hw;
    EXPECT_EQ(LookupKhbeta(session, static_cast<std::uint8_t>(c.arrangement), c.psibd), c.factor);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, KhbetaEntry,
    ::testing::Values(EntryCase{3, 280, 0.95, 1.03},  // the default design
                      EntryCase{1, 350, 0.8, 1.27},   // 350 HB is the softer class
                      EntryCase{1, 350.5, 0.8, -1},   // above it the harder class, no value
                      EntryCase{1, 280, 0.9, -1}, EntryCase{1, 280, 0.8999, 1.27},
                      EntryCase{1, 400, 0.6999, 1.45}, EntryCase{2, 400, 1.5, -1},
                      EntryCase{2, 400, 1.49, 1.31}, EntryCase{2, 280, 2.5515, 1.15},
                      EntryCase{3, 280, 0.6, 1.025}, EntryCase{3, 400, 0.3, 1.01},
                      EntryCase{2, 280, 1.2, 1.1}));

TEST(LookupKhbeta, UnknownArrangementFailsTheConversionOfAnEmptyEntry) {
    GearSession session;
    session.design.hw = 280;
    try {
        LookupKhbeta(session, 4, 0.95);
        FAIL();
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'' is not a valid floating point value");
    }
}

}  // namespace
}  // namespace gearpair
