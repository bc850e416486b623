// Tooth geometry: worked examples, the one radian conversion per run and the roundings.
#include <gtest/gtest.h>

#include "engine/gear_design.h"

namespace gearpair {
namespace {

using Lines = std::vector<std::string>;

GearSession GeometryInputs(double bettaDegrees, double aw, double mn, double uz, double psiba) {
    GearSession session;
    TGearDesign& d = session.design;
    d.betta = bettaDegrees;
    d.aw = aw;
    d.mn = mn;
    d.uz = uz;
    d.psiba = psiba;
    d.nw = 86.3;
    return session;
}

TEST(ComputeGeometry, WorkedExampleSection) {
    GearSession session = GeometryInputs(14, 100, 1.5, 2.8, 0.5);
    ComputeGeometry(session);
    EXPECT_EQ(session.design.betta, 14 * 0.017453292);
    EXPECT_EQ(session.report.Lines(),
              (Lines{"Геометрия", "zs  129,000", "Число зубьев на шестерне z1  34,000",
                     "Число зубьев на колесе z2  95,000", "cosbetta  0,968",
                     "Диаметр делительной окружности шестерни d1  52,713",
                     "Диаметр делительной окружности колеса d2  147,287", "awcheck  100,000",
                     "da1  55,713", "df1  48,963", "da2  150,287", "df2  143,537", "v  0,238",
                     "bkol  50,000", "bw  60,000"}));
}

TEST(ComputeGeometry, LaterPassesKeepTheRadianAngle) {
    GearSession session = GeometryInputs(14, 100, 1.5, 2, 0.5);
    ComputeGeometry(session);
    const double radians = session.design.betta;
    session.design.aw = 200;
    session.design.mn = 3.0;
    session.report.Clear();
    ComputeGeometry(session);
    EXPECT_EQ(session.design.betta, radians);
    EXPECT_EQ(session.design.z1, 43);
    EXPECT_EQ(session.design.z2, 86);
    const Lines& lines = session.report.Lines();
    EXPECT_EQ(lines[1], "zs  129,000");
    EXPECT_EQ(lines[4], "cosbetta  0,968");
    EXPECT_EQ(lines[5], "Диаметр делительной окружности шестерни d1  133,333");
    EXPECT_EQ(lines[6], "Диаметр делительной окружности колеса d2  266,667");
}

TEST(ComputeGeometry, PinionTeethRoundHalfToEven) {
    GearSession session = GeometryInputs(15, 63, 0.9, 5.0, 0.5);
    ComputeGeometry(session);
    EXPECT_EQ(session.design.z1 + session.design.z2, 135);
    EXPECT_EQ(session.design.z1, 22);  // 135 / 6 = 22.5
    EXPECT_EQ(session.design.z2, 113);
}

struct WidthCase {
    double psiba;
    double aw;
    double bkol;
};

class FaceWidth : public ::testing::TestWithParam<WidthCase> {};

TEST_P(FaceWidth, RoundsToMillimetresThenToFives) {
    GearSession session = GeometryInputs(14, GetParam().aw, 1.5, 2.8, GetParam().psiba);
    ComputeGeometry(session);
    EXPECT_EQ(session.design.bkol, GetParam().bkol);
    EXPECT_EQ(session.design.bw, GetParam().bkol + 10);
}

INSTANTIATE_TEST_SUITE_P(Ties, FaceWidth,
                         ::testing::Values(WidthCase{0.5, 125, 60},    // 62.5 -> 62 -> 12.4
                                           WidthCase{0.315, 100, 30},  // 31.5 -> 32 -> 6.4
                                           WidthCase{0.45, 50, 20},    // 22.5 -> 22 -> 4.4
                                           WidthCase{0.5, 200, 100}, WidthCase{0.63, 40, 25}));

TEST(ComputeGeometry, CentreDistanceCheckMatches) {
    for (const double aw : {40.0, 63.0, 125.0, 355.0, 2500.0}) {
        GearSession session = GeometryInputs(17, aw, 0.015 * aw, 3.55, 0.4);
        ComputeGeometry(session);
        const double awcheck = (session.design.d1 + session.design.d2) / 2;
        EXPECT_NEAR(awcheck, aw, aw * 1e-12);
    }
}

}  // namespace
}  // namespace gearpair
