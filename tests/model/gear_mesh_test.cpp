// The gear mesh: closed, consistently oriented, of the drawn part's volume, and on the helix.
#include "model/gear_mesh.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numbers>
#include <utility>

#include "engine/accepted_sizes.h"
#include "engine/design_run.h"
#include "engine/drawn_parts.h"

namespace gearpair {
namespace {

// Every directed edge once, and its reverse once: each edge between exactly two triangles
// that run it in opposite directions.
int BadEdges(const Mesh& mesh) {
    std::map<std::pair<std::uint32_t, std::uint32_t>, int> edges;
    for (const auto& t : mesh.triangles) {
        for (int k = 0; k < 3; ++k) ++edges[{t[k], t[(k + 1) % 3]}];
    }
    int bad = 0;
    for (const auto& [edge, count] : edges) {
        const auto reverse = edges.find({edge.second, edge.first});
        if (count != 1 || reverse == edges.end() || reverse->second != 1) ++bad;
    }
    return bad;
}

TGearDesign DefaultDesign() {
    GearSession session;
    RunDesign(session, DesignInputs{});
    return session.design;
}

DrawnParts PartsOf(const TGearDesign& d, const PartSizes& sizes) {
    return DrawnPartsOf(d, sizes, AcceptSizes(d, sizes));
}

// The default wheel (web with holes, hub, keyway) and pinion (hub on a key), the pinion made on
// its shaft (no bore), the wheel as a solid disc with a hub shorter than its face and as one
// with a hub wider than the rim's inside: closed, and of the part's volume as weighed, less
// what the chords within 0,01 mm of the curves and the helices cut off (under 4e-4).
TEST(GearMesh, ClosedAndOfThePartsVolume) {
    const TGearDesign d = DefaultDesign();
    const PartSizes sizes = DerivePartSizes(d);
    PartSizes shaft = sizes;
    shaft.dvw = 72;
    PartSizes shortHub = sizes;
    shortHub.lstkol = 90;
    PartSizes wideHub = sizes;
    wideHub.dstkol = 265;
    const GearSection sections[] = {
        WheelSection(d, PartsOf(d, sizes), 0.01), PinionSection(d, PartsOf(d, sizes), 0.01),
        PinionSection(d, PartsOf(d, shaft), 0.01), WheelSection(d, PartsOf(d, shortHub), 0.01),
        WheelSection(d, PartsOf(d, wideHub), 0.01)};
    ASSERT_TRUE(sections[0].part.web);
    ASSERT_TRUE(sections[2].bore.empty());
    ASSERT_FALSE(sections[3].part.web);
    ASSERT_FALSE(sections[4].part.web);
    for (const GearSection& s : sections) {
        SCOPED_TRACE(&s - sections);
        const Mesh mesh = GearMesh(s, 0.01);
        EXPECT_EQ(BadEdges(mesh), 0);
        EXPECT_NEAR(MeshVolume(mesh) / PartVolume(s.part), 1, 4e-4);
    }
}

// The flank's vertices at the middle of a tooth's tip lie on that point's helix, and the
// sections along it are close enough that its chords stay within the tolerance of the tip
// cylinder, from the end of one chamfer to the start of the other.
TEST(GearMesh, FlankSectionsFollowTheHelixWithinTheTolerance) {
    const TGearDesign d = DefaultDesign();
    const GearSection s = WheelSection(d, PartsOf(d, DerivePartSizes(d)), 0.01);
    const Mesh mesh = GearMesh(s, 0.01);
    const double tip = s.outline.gear.tipRadius;
    const double pitch = 2 * std::numbers::pi / s.outline.gear.z;
    std::vector<double> heights;
    for (const auto& v : mesh.vertices) {
        const double off = std::atan2(v[1], v[0]) - s.twist * v[2] - pitch / 2;
        if (std::abs(std::hypot(v[0], v[1]) - tip) < 1e-9 &&
            std::abs(std::remainder(off, pitch)) < 1e-9) {
            heights.push_back(v[2]);
        }
    }
    std::sort(heights.begin(), heights.end());
    heights.erase(std::unique(heights.begin(), heights.end()), heights.end());
    ASSERT_GE(heights.size(), 2u);
    EXPECT_NEAR(heights.front(), s.part.TipChamfer(), 1e-9);
    EXPECT_NEAR(heights.back(), s.face - s.part.TipChamfer(), 1e-9);
    for (std::size_t i = 1; i < heights.size(); ++i) {
        const double turn = s.twist * (heights[i] - heights[i - 1]);
        EXPECT_LE(tip * (1 - std::cos(turn / 2)), 0.01) << heights[i];
    }
}

}  // namespace
}  // namespace gearpair
