// The binary STL layout.
#include "model/stl_writer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

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

}  // namespace
}  // namespace gearpair
