// The profile DXF's entities in both versions; ezdxf's reading of the files is checked with the
// command line's.
#include "model/profile_dxf.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace gearpair {
namespace {

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++count;
    }
    return count;
}

GearSection Gear() {
    GearSection s;
    s.outline = ToothOutline(20, 2, 0.2, 0.001);
    s.boreDiameter = 20;
    s.keyWidth = 6;
    s.keyDepth = 2.8;
    s.bore = BoreContour(20, 6, 2.8, 0.001);
    return s;
}

// R2000: two closed LWPOLYLINEs on their layers with every point, in millimetres; R12: two
// closed POLYLINEs of VERTEX entities ended by SEQEND, and no R2000 object.
TEST(ProfileDxf, TwoClosedPolylinesOnTheirLayers) {
    const GearSection s = Gear();
    const std::string r2000 = ProfileDxf(s, DxfVersion::R2000);
    EXPECT_NE(r2000.find("$ACADVER\n  1\nAC1015\n"), std::string::npos);
    EXPECT_NE(r2000.find("$INSUNITS\n 70\n4\n"), std::string::npos);
    EXPECT_EQ(Count(r2000, "\nLWPOLYLINE\n"), 2u);
    EXPECT_NE(r2000.find("\n 90\n" + std::to_string(s.outline.points.size()) + "\n 70\n1\n"),
              std::string::npos);
    EXPECT_NE(r2000.find("\n 90\n" + std::to_string(s.bore.size()) + "\n 70\n1\n"),
              std::string::npos);
    EXPECT_EQ(Count(r2000, "\n  8\nTEETH\n"), 1u);
    EXPECT_EQ(Count(r2000, "\n  8\nBORE\n"), 1u);
    const std::string entities = r2000.substr(r2000.find("ENTITIES"));
    EXPECT_EQ(Count(entities, "\n 10\n"), s.outline.points.size() + s.bore.size());

    const std::string r12 = ProfileDxf(s, DxfVersion::R12);
    EXPECT_NE(r12.find("$ACADVER\n  1\nAC1009\n"), std::string::npos);
    EXPECT_EQ(Count(r12, "\nLWPOLYLINE\n"), 0u);
    EXPECT_EQ(Count(r12, "\nPOLYLINE\n"), 2u);
    EXPECT_EQ(Count(r12, "\nVERTEX\n"), s.outline.points.size() + s.bore.size());
    EXPECT_EQ(Count(r12, "\nSEQEND\n"), 2u);
    EXPECT_EQ(Count(r12, "OBJECTS"), 0u);
}

}  // namespace
}  // namespace gearpair
