// The gear mesh: closed, consistently oriented, and of the section's volume.
#include "model/gear_mesh.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numbers>
#include <utility>

#include "model/stl_writer.h"

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

GearSection Section(std::int32_t z, double mn, double betaDeg, double face, double bore,
                    double keyWidth, double keyDepth, double hand) {
    GearSection s;
    const double beta = betaDeg * std::numbers::pi / 180;
    s.outline = ToothOutline(z, mn, beta, 0.01);
    s.face = face;
    s.twist = hand * std::tan(beta) / s.outline.gear.pitchRadius;
    if (bore > 0) {
        s.boreDiameter = bore;
        s.keyWidth = keyWidth;
        s.keyDepth = keyDepth;
        s.bore = BoreContour(bore, keyWidth > 0 ? std::optional(keyWidth) : std::nullopt, keyDepth,
                             0.01);
    }
    return s;
}

// The default wheel and pinion (right- and left-hand, with keyways), a spur gear with a plain
// bore, and a gear made on its shaft (no bore): the volume is the section's area times the face
// width, the helix's chords cutting off a little.
TEST(GearMesh, ClosedOrientedAndOfTheSectionsVolume) {
    const double beta = std::acos(129 * 3.0 / 400) * 180 / std::numbers::pi;
    const GearSection sections[] = {Section(95, 3, beta, 100, 77.459, 22, 5.4, 1),
                                    Section(34, 3, beta, 110, 54.956, 16, 4.3, -1),
                                    Section(40, 2, 0, 30, 20, 0, 0, 1),
                                    Section(17, 0.7, 20, 15, 0, 0, 0, -1)};
    for (const GearSection& s : sections) {
        SCOPED_TRACE(s.outline.gear.z);
        const Mesh mesh = GearMesh(s, 0.01);
        EXPECT_EQ(BadEdges(mesh), 0);
        const double expected = (PolygonArea(s.outline.points) - PolygonArea(s.bore)) * s.face;
        EXPECT_NEAR(MeshVolume(mesh) / expected, 1, 0.001);
        // Written out, the corners stay the same floats: the file is as closed as the mesh.
        const std::string stl = BinaryStl(mesh, "gear");
        EXPECT_EQ(stl.size(), 84 + 50 * mesh.triangles.size());
    }
}

}  // namespace
}  // namespace gearpair
