// Loops, strips, zips and ear clipping for the part meshes.
#include "model/mesh_surfaces.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace gearpair {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

double Cross(OutlinePoint o, OutlinePoint a, OutlinePoint b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

bool Inside(OutlinePoint p, OutlinePoint a, OutlinePoint b, OutlinePoint c) {
    return Cross(a, b, p) >= 0 && Cross(b, c, p) >= 0 && Cross(c, a, p) >= 0;
}

void Emit(Mesh& mesh, std::uint32_t a, std::uint32_t b, std::uint32_t c, bool flip) {
    if (flip) {
        mesh.triangles.push_back({a, c, b});
    } else {
        mesh.triangles.push_back({a, b, c});
    }
}

// A loop's angles about the axis from its point of least angle on, rising through one turn.
struct Unwound {
    std::size_t first = 0;
    std::vector<double> angle;  // size + 1 entries, the last a turn past the first
};

Unwound Unwind(const Loop& loop) {
    Unwound u;
    const std::size_t n = loop.at.size();
    double least = 1e300;
    for (std::size_t i = 0; i < n; ++i) {
        const double a = WrappedAngle(std::atan2(loop.at[i].y, loop.at[i].x));
        if (a < least) {
            least = a;
            u.first = i;
        }
    }
    for (std::size_t i = 0; i < n; ++i) {
        const OutlinePoint p = loop.at[(u.first + i) % n];
        double a = WrappedAngle(std::atan2(p.y, p.x));
        if (i > 0 && a < least) a += kTwoPi;  // a point turned back past the start
        u.angle.push_back(a);
    }
    u.angle.push_back(least + kTwoPi);
    return u;
}

}  // namespace

Loop AddLoop(Mesh& mesh, const std::vector<OutlinePoint>& points, double z) {
    Loop loop;
    loop.at = points;
    for (const OutlinePoint p : points) {
        loop.vertex.push_back(static_cast<std::uint32_t>(mesh.vertices.size()));
        mesh.vertices.push_back({p.x, p.y, z});
    }
    return loop;
}

std::vector<OutlinePoint> CirclePoints(double radius, int count,
                                       const std::vector<double>& through) {
    std::vector<double> angles;
    for (int k = 0; k < count; ++k) angles.push_back(kTwoPi * k / count);
    for (const double a : through) angles.push_back(WrappedAngle(a));
    std::sort(angles.begin(), angles.end());
    angles.erase(
        std::unique(angles.begin(), angles.end(), [](double a, double b) { return b - a < 1e-9; }),
        angles.end());
    if (angles.size() > 1 && angles.back() > kTwoPi - 1e-9) angles.pop_back();
    std::vector<OutlinePoint> points;
    for (const double a : angles) points.push_back({radius * std::cos(a), radius * std::sin(a)});
    return points;
}

void Strip(Mesh& mesh, const Loop& lower, const Loop& upper, bool inward) {
    const std::size_t n = lower.vertex.size();
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t next = (i + 1) % n;
        Emit(mesh, lower.vertex[i], lower.vertex[next], upper.vertex[next], inward);
        Emit(mesh, lower.vertex[i], upper.vertex[next], upper.vertex[i], inward);
    }
}

void Zip(Mesh& mesh, const Loop& a, const Loop& b, bool flip) {
    const std::size_t na = a.vertex.size();
    const std::size_t nb = b.vertex.size();
    const Unwound ua = Unwind(a);
    const auto va = [&](std::size_t i) { return a.vertex[(ua.first + i) % na]; };
    if (nb == 1) {
        for (std::size_t i = 0; i < na; ++i) Emit(mesh, va(i), va(i + 1), b.vertex[0], flip);
        return;
    }
    const Unwound ub = Unwind(b);
    const auto vb = [&](std::size_t j) { return b.vertex[(ub.first + j) % nb]; };
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < na || j < nb) {
        if (j == nb || (i < na && ua.angle[i + 1] <= ub.angle[j + 1])) {
            Emit(mesh, va(i), va(i + 1), vb(j), flip);
            ++i;
        } else {
            Emit(mesh, va(i), vb(j + 1), vb(j), flip);
            ++j;
        }
    }
}

// Each step cuts off a convex corner whose triangle holds no other corner; where only straight
// runs are left, the flattest corner goes, so that the loop always ends. The polygons here are
// a tooth pitch or half a web sector (tens of corners): the quadratic search costs little.
void ClipEars(Mesh& mesh, std::vector<std::pair<OutlinePoint, std::uint32_t>> polygon, bool flip) {
    while (polygon.size() > 3) {
        const std::size_t n = polygon.size();
        std::size_t ear = n;
        std::size_t flattest = 0;
        double flattestArea = 1e300;
        for (std::size_t i = 0; i < n && ear == n; ++i) {
            const OutlinePoint a = polygon[(i + n - 1) % n].first;
            const OutlinePoint b = polygon[i].first;
            const OutlinePoint c = polygon[(i + 1) % n].first;
            const double turn = Cross(a, b, c);
            if (std::abs(turn) < flattestArea) {
                flattestArea = std::abs(turn);
                flattest = i;
            }
            if (turn <= 0) continue;
            bool empty = true;
            for (std::size_t j = 0; j < n && empty; ++j) {
                if (j == i || j == (i + 1) % n || j == (i + n - 1) % n) continue;
                const OutlinePoint p = polygon[j].first;
                if ((p.x == a.x && p.y == a.y) || (p.x == c.x && p.y == c.y)) continue;
                empty = !Inside(p, a, b, c);
            }
            if (empty) ear = i;
        }
        if (ear == n) ear = flattest;
        Emit(mesh, polygon[(ear + n - 1) % n].second, polygon[ear].second,
             polygon[(ear + 1) % n].second, flip);
        polygon.erase(polygon.begin() + static_cast<std::ptrdiff_t>(ear));
    }
    Emit(mesh, polygon[0].second, polygon[1].second, polygon[2].second, flip);
}

}  // namespace gearpair
