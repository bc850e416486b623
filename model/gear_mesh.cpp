// Triangulation of the gear's section and its sweep along the helix.
#include "model/gear_mesh.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace gearpair {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

struct Corner {
    OutlinePoint at;
    std::uint32_t vertex;
};

double Cross(OutlinePoint o, OutlinePoint a, OutlinePoint b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

bool Inside(OutlinePoint p, OutlinePoint a, OutlinePoint b, OutlinePoint c) {
    return Cross(a, b, p) >= 0 && Cross(b, c, p) >= 0 && Cross(c, a, p) >= 0;
}

// Ear clipping of a simple counter-clockwise polygon: each step cuts off a convex corner whose
// triangle holds no other corner. Polygons here are one tooth pitch of a section (tens of
// corners), so the quadratic search costs little. Where only straight runs are left, the
// flattest corner goes, so that the loop always ends.
void ClipEars(std::vector<Corner> polygon, std::vector<std::array<std::uint32_t, 3>>& out,
              bool flip) {
    const auto emit = [&](const Corner& a, const Corner& b, const Corner& c) {
        if (flip) {
            out.push_back({a.vertex, c.vertex, b.vertex});
        } else {
            out.push_back({a.vertex, b.vertex, c.vertex});
        }
    };
    while (polygon.size() > 3) {
        const std::size_t n = polygon.size();
        std::size_t ear = n;
        std::size_t flattest = 0;
        double flattestArea = 1e300;
        for (std::size_t i = 0; i < n && ear == n; ++i) {
            const Corner& a = polygon[(i + n - 1) % n];
            const Corner& b = polygon[i];
            const Corner& c = polygon[(i + 1) % n];
            const double turn = Cross(a.at, b.at, c.at);
            if (std::abs(turn) < flattestArea) {
                flattestArea = std::abs(turn);
                flattest = i;
            }
            if (turn <= 0) continue;
            bool empty = true;
            for (std::size_t j = 0; j < n && empty; ++j) {
                if (j == i || j == (i + 1) % n || j == (i + n - 1) % n) continue;
                const OutlinePoint p = polygon[j].at;
                if ((p.x == a.at.x && p.y == a.at.y) || (p.x == c.at.x && p.y == c.at.y)) continue;
                empty = !Inside(p, a.at, b.at, c.at);
            }
            if (empty) ear = i;
        }
        if (ear == n) ear = flattest;
        emit(polygon[(ear + n - 1) % n], polygon[ear], polygon[(ear + 1) % n]);
        polygon.erase(polygon.begin() + static_cast<std::ptrdiff_t>(ear));
    }
    emit(polygon[0], polygon[1], polygon[2]);
}

OutlinePoint Turned(OutlinePoint p, double angle) {
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    return {p.x * c - p.y * s, p.x * s + p.y * c};
}

// The index of the bore point nearest to the ray at `angle`.
std::size_t BoreIndexAt(const std::vector<OutlinePoint>& bore, double angle) {
    std::size_t best = 0;
    double bestGap = 1e300;
    for (std::size_t i = 0; i < bore.size(); ++i) {
        double gap = std::abs(std::remainder(std::atan2(bore[i].y, bore[i].x) - angle, kTwoPi));
        if (gap < bestGap) {
            bestGap = gap;
            best = i;
        }
    }
    return best;
}

}  // namespace

Mesh GearMesh(const GearSection& section, double tolerance) {
    Mesh mesh;
    const GearOutline& outline = section.outline;
    const std::size_t n = outline.points.size();
    const std::size_t perPitch = outline.pointsPerPitch;
    const std::int32_t z = outline.gear.z;
    const double totalTwist = section.twist * section.face;
    // A straight edge across a turn of a between two sections departs from the helix on the tip
    // cylinder by r·(1 − cos(a/2)).
    const double maxTurn = 2 * std::acos(1 - tolerance / outline.gear.tipRadius);
    const int slices = std::max(1, static_cast<int>(std::ceil(std::abs(totalTwist) / maxTurn)));

    // The rays that split each end face into tooth pitches run through the middles of the
    // spaces, at both ends; the bore gets a point on each of them.
    std::vector<double> rays;
    for (std::int32_t k = 0; k < z; ++k) {
        rays.push_back(kTwoPi * k / z);
        rays.push_back(kTwoPi * k / z + totalTwist);
    }
    std::vector<OutlinePoint> bore = section.bore;
    if (!bore.empty()) {
        // Rebuilt through the rays: the contour's own points are its corners and equal chords.
        std::vector<double> angles = rays;
        for (const OutlinePoint p : bore) angles.push_back(std::atan2(p.y, p.x));
        std::vector<OutlinePoint> merged;
        for (double& a : angles) a = std::fmod(a + 2 * kTwoPi, kTwoPi);
        std::sort(angles.begin(), angles.end());
        angles.erase(std::unique(angles.begin(), angles.end(),
                                 [](double a, double b) { return b - a < 1e-12; }),
                     angles.end());
        // Each new point lies on the chord of the section's contour that its ray crosses.
        for (const double a : angles) {
            const OutlinePoint dir{std::cos(a), std::sin(a)};
            for (std::size_t i = 0; i < bore.size(); ++i) {
                const OutlinePoint p = bore[i];
                const OutlinePoint q = bore[(i + 1) % bore.size()];
                const double denominator = dir.x * (q.y - p.y) - dir.y * (q.x - p.x);
                if (denominator == 0) continue;
                const double t = (p.x * (q.y - p.y) - p.y * (q.x - p.x)) / denominator;
                const double u = (p.x * dir.y - p.y * dir.x) / denominator;
                if (t > 0 && u >= -1e-12 && u <= 1 + 1e-12) {
                    merged.push_back({t * dir.x, t * dir.y});
                    break;
                }
            }
        }
        bore = merged;
    }

    // Vertices: the outline at each section, then the bore (or the axis) at both ends.
    for (int j = 0; j <= slices; ++j) {
        const double height = section.face * j / slices;
        const double turn = totalTwist * j / slices;
        for (const OutlinePoint p : outline.points) {
            const OutlinePoint q = Turned(p, turn);
            mesh.vertices.push_back({q.x, q.y, height});
        }
    }
    const auto outer = [&](int slice, std::size_t i) {
        return static_cast<std::uint32_t>(static_cast<std::size_t>(slice) * n + i % n);
    };
    const auto boreBase = static_cast<std::uint32_t>(mesh.vertices.size());
    const std::size_t m = bore.empty() ? 1 : bore.size();
    for (const double height : {0.0, section.face}) {
        if (bore.empty()) {
            mesh.vertices.push_back({0, 0, height});
        } else {
            for (const OutlinePoint p : bore) mesh.vertices.push_back({p.x, p.y, height});
        }
    }
    const auto inner = [&](int end, std::size_t i) {
        return static_cast<std::uint32_t>(boreBase + static_cast<std::size_t>(end) * m + i % m);
    };

    // The flanks: each outline chord swept from section to section.
    for (int j = 0; j < slices; ++j) {
        for (std::size_t i = 0; i < n; ++i) {
            mesh.triangles.push_back({outer(j, i), outer(j, i + 1), outer(j + 1, i + 1)});
            mesh.triangles.push_back({outer(j, i), outer(j + 1, i + 1), outer(j + 1, i)});
        }
    }
    // The bore faces the axis.
    if (!bore.empty()) {
        for (std::size_t i = 0; i < m; ++i) {
            mesh.triangles.push_back({inner(0, i + 1), inner(0, i), inner(1, i)});
            mesh.triangles.push_back({inner(0, i + 1), inner(1, i), inner(1, i + 1)});
        }
    }
    // The end faces, pitch by pitch: the outline from one space's middle to the next, down the
    // ray to the bore, back along the bore, up the first ray.
    for (int end = 0; end < 2; ++end) {
        const int slice = end == 0 ? 0 : slices;
        const double turn = end == 0 ? 0 : totalTwist;
        for (std::int32_t k = 0; k < z; ++k) {
            std::vector<Corner> polygon;
            for (std::size_t i = 0; i <= perPitch; ++i) {
                const std::size_t index = (static_cast<std::size_t>(k) * perPitch + i) % n;
                polygon.push_back({Turned(outline.points[index], turn), outer(slice, index)});
            }
            if (bore.empty()) {
                polygon.push_back({{0, 0}, inner(end, 0)});
            } else {
                const std::size_t from = BoreIndexAt(bore, kTwoPi * (k + 1) / z + turn);
                const std::size_t to = BoreIndexAt(bore, kTwoPi * k / z + turn);
                for (std::size_t i = from;; i = (i + m - 1) % m) {
                    polygon.push_back({bore[i], inner(end, i)});
                    if (i == to) break;
                }
            }
            ClipEars(std::move(polygon), mesh.triangles, end == 0);
        }
    }
    return mesh;
}

double MeshVolume(const Mesh& mesh) {
    double six = 0;
    for (const auto& t : mesh.triangles) {
        const auto& a = mesh.vertices[t[0]];
        const auto& b = mesh.vertices[t[1]];
        const auto& c = mesh.vertices[t[2]];
        six += a[0] * (b[1] * c[2] - b[2] * c[1]) - a[1] * (b[0] * c[2] - b[2] * c[0]) +
               a[2] * (b[0] * c[1] - b[1] * c[0]);
    }
    return six / 6;
}

}  // namespace gearpair
