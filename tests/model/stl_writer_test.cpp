// The binary STL layout.
#include "model/stl_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <utility>

#include "engine/design_products.h"
#include "engine/design_run.h"
#include "model/gear_section.h"

namespace gearpair {
namespace {

float FloatAt(const std::string& bytes, std::size_t offset) {
    std::uint32_t word = 0;
    for (int k = 3; k >= 0; --k) {
        word =
            (word << 8) | static_cast<unsigned char>(bytes[offset + static_cast<std::size_t>(k)]);
    }
    float value = 0;
    std::memcpy(&value, &word, sizeof value);
    return value;
}

// A header padded with blanks, the count and each record little-endian: the unit normal, the
// three corners, a zero attribute word.
TEST(BinaryStl, HeaderCountAndRecords) {
    Mesh mesh;
    mesh.vertices = {{0, 0, 0}, {2, 0, 0}, {0, 3, 0}, {0, 0, 4}};
    mesh.triangles = {{0, 2, 1}, {0, 1, 3}};
    const std::string stl = BinaryStl(mesh, "gearpair wheel");
    ASSERT_EQ(stl.size(), 84u + 2 * 50);
    EXPECT_EQ(stl.substr(0, 80), "gearpair wheel" + std::string(66, ' '));
    EXPECT_EQ(stl.substr(80, 4), std::string("\x02\x00\x00\x00", 4));
    const float first[12] = {0, 0, -1, 0, 0, 0, 0, 3, 0, 2, 0, 0};
    const float second[12] = {0, -1, 0, 0, 0, 0, 2, 0, 0, 0, 0, 4};
    for (int k = 0; k < 12; ++k) {
        EXPECT_EQ(FloatAt(stl, 84 + 4 * static_cast<std::size_t>(k)), first[k]) << k;
        EXPECT_EQ(FloatAt(stl, 134 + 4 * static_cast<std::size_t>(k)), second[k]) << k;
    }
    EXPECT_EQ(stl.substr(132, 2), std::string(2, '\0'));
}

// The records whose stored normal points against the winding of their stored corners, and
// those with a normal slanted between x and z.
std::pair<int, int> AgainstAndSlanted(const std::string& stl) {
    int against = 0;
    int slanted = 0;
    for (std::size_t at = 84; at < stl.size(); at += 50) {
        float f[12];
        for (std::size_t k = 0; k < 12; ++k) f[k] = FloatAt(stl, at + 4 * k);
        const double u[3] = {f[6] - f[3], f[7] - f[4], f[8] - f[5]};
        const double v[3] = {f[9] - f[3], f[10] - f[4], f[11] - f[5]};
        const double cross[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2],
                                 u[0] * v[1] - u[1] * v[0]};
        if (f[0] * cross[0] + f[1] * cross[1] + f[2] * cross[2] < 0) ++against;
        if (std::abs(f[0]) > 0.5 && std::abs(f[2]) > 0.01) ++slanted;
    }
    return {against, slanted};
}

// Every record's normal points the way its stored corners wind: a sliver across x whose
// corners, rounded to floats, wind against the doubles' normal, and the default wheel's
// flanks, chamfers and faces.
TEST(BinaryStl, NormalsAgreeWithTheStoredCornersWinding) {
    Mesh sliver;
    sliver.vertices = {{0, 100, 0}, {0, 100 + 5e-6, 1}, {0, 100 + 1.1e-5, 2}};
    sliver.triangles = {{0, 1, 2}};
    EXPECT_EQ(AgainstAndSlanted(BinaryStl(sliver, "")).first, 0);
    GearSession session;
    RunDesign(session, DesignInputs{});
    const GearSection wheel =
        WheelSection(session.design, DesignProductsOf(session.design).parts, 0.01);
    const auto [against, slanted] = AgainstAndSlanted(BinaryStl(GearMesh(wheel, 0.01), "wheel"));
    EXPECT_EQ(against, 0);
    EXPECT_GT(slanted, 0);  // the chamfers' cones
}

}  // namespace
}  // namespace gearpair
