// Triangulation of the gear's drawn part.
#include "model/gear_mesh.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace gearpair {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

// Sections across each tip chamfer: the cone meets each flank point's helix at its own height,
// which straight edges between sections cut short by less than a sixteenth of the chamfer.
constexpr int kChamferSlices = 4;

// The finest chord tolerance a module asks for: a 400th of it.
constexpr double kModulesPerTolerance = 400;

OutlinePoint Turned(OutlinePoint p, double angle) {
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    return {p.x * c - p.y * s, p.x * s + p.y * c};
}

// Chords round a circle of `radius` within the tolerance, a multiple of `multiple`.
int CircleChords(double radius, double tolerance, int multiple = 1) {
    const double step = 2 * std::acos(1 - std::min(tolerance / radius, 1.0));
    const int count = std::max(8, static_cast<int>(std::ceil(kTwoPi / step)));
    return (count + multiple - 1) / multiple * multiple;
}

// The index of the loop's point nearest to the ray at `angle`.
std::size_t IndexAt(const std::vector<OutlinePoint>& loop, double angle) {
    std::size_t best = 0;
    double bestGap = 1e300;
    for (std::size_t i = 0; i < loop.size(); ++i) {
        const double gap =
            std::abs(std::remainder(std::atan2(loop[i].y, loop[i].x) - angle, kTwoPi));
        if (gap < bestGap) {
            bestGap = gap;
            best = i;
        }
    }
    return best;
}

// The contour with a point added where each ray crosses it: on the chord the ray meets.
std::vector<OutlinePoint> ThroughRays(const std::vector<OutlinePoint>& contour,
                                      std::vector<double> angles) {
    for (const OutlinePoint p : contour) angles.push_back(std::atan2(p.y, p.x));
    for (double& a : angles) a = std::fmod(a + 2 * kTwoPi, kTwoPi);
    std::sort(angles.begin(), angles.end());
    angles.erase(
        std::unique(angles.begin(), angles.end(), [](double a, double b) { return b - a < 1e-12; }),
        angles.end());
    std::vector<OutlinePoint> merged;
    for (const double a : angles) {
        const OutlinePoint dir{std::cos(a), std::sin(a)};
        for (std::size_t i = 0; i < contour.size(); ++i) {
            const OutlinePoint p = contour[i];
            const OutlinePoint q = contour[(i + 1) % contour.size()];
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
    return merged;
}

// The heights of the flank sections: equal steps that keep the helix's chords on the tip
// cylinder within the tolerance, and the chamfers' depths in finer steps.
std::vector<double> SectionHeights(double face, double turn, double tipRadius, double chamfer,
                                   double tolerance) {
    const double maxTurn = 2 * std::acos(1 - tolerance / tipRadius);
    const int slices = std::max(1, static_cast<int>(std::ceil(std::abs(turn) / maxTurn)));
    std::vector<double> heights;
    for (int j = 0; j <= slices; ++j) heights.push_back(face * j / slices);
    if (chamfer > 0) {
        for (int k = 1; k <= kChamferSlices; ++k) {
            heights.push_back(chamfer * k / kChamferSlices);
            heights.push_back(face - chamfer * k / kChamferSlices);
        }
    }
    std::sort(heights.begin(), heights.end());
    heights.erase(std::unique(heights.begin(), heights.end(),
                              [](double a, double b) { return b - a < 1e-9; }),
                  heights.end());
    return heights;
}

// One face of the web: between the rim's inside and the hub, less the holes, sector by sector
// (halves split by the ray through each hole's centre).
void WebFace(Mesh& mesh, const Loop& outer, const Loop& inner, const std::vector<Loop>& holes,
             bool down) {
    const auto count = static_cast<int>(holes.size());
    for (int k = 0; k < count; ++k) {
        const double from = kTwoPi * k / count;
        const double middle = from + std::numbers::pi / count;
        const double to = from + kTwoPi / count;
        const Loop& hole = holes[static_cast<std::size_t>(k)];
        const std::size_t m = hole.at.size();
        const auto arc = [](const Loop& loop, double a, double b, bool back, auto& polygon) {
            const std::size_t n = loop.at.size();
            const std::size_t first = IndexAt(loop.at, back ? b : a);
            const std::size_t last = IndexAt(loop.at, back ? a : b);
            for (std::size_t i = first;; i = back ? (i + n - 1) % n : (i + 1) % n) {
                polygon.push_back({loop.at[i], loop.vertex[i]});
                if (i == last) break;
            }
        };
        std::vector<std::pair<OutlinePoint, std::uint32_t>> half;
        arc(outer, from, middle, false, half);
        for (std::size_t i = m; i >= m / 2; --i)
            half.push_back({hole.at[i % m], hole.vertex[i % m]});
        arc(inner, from, middle, true, half);
        ClipEars(mesh, std::move(half), down);
        half.clear();
        arc(outer, middle, to, false, half);
        arc(inner, middle, to, true, half);
        for (std::size_t i = m / 2 + 1; i-- > 0;) half.push_back({hole.at[i], hole.vertex[i]});
        ClipEars(mesh, std::move(half), down);
    }
}

}  // namespace

Mesh GearMesh(const GearSection& section, double tolerance) {
    Mesh mesh;
    const GearPart& part = section.part;
    // The chords cut off about 0,07 x tolerance / module of the volume (0,1 % at 10 µm for a
    // module of 0,7): on small modules they are made finer, so that the mesh weighs what the
    // part weighs within 0,05 %.
    const TransverseGear& gear = section.outline.gear;
    const double fine = std::min(tolerance, gear.mn / kModulesPerTolerance);
    const GearOutline outline =
        fine < tolerance ? ToothOutline(gear.z, gear.mn, gear.beta, fine) : section.outline;
    std::vector<OutlinePoint> bore = section.bore;
    if (fine < tolerance && !bore.empty()) {
        bore = BoreContour(section.boreDiameter,
                           section.keyWidth > 0 ? std::optional(section.keyWidth) : std::nullopt,
                           section.keyDepth, fine);
    }
    tolerance = fine;
    const std::size_t n = outline.points.size();
    const std::size_t perPitch = outline.pointsPerPitch;
    const std::int32_t z = outline.gear.z;
    const double face = section.face;
    const double totalTwist = section.twist * face;
    const double tip = outline.gear.tipRadius;
    const double chamfer = part.TipChamfer();

    // The flanks: the outline at each section, turned along the helix, its tips cut back to
    // the chamfers' cones near the ends.
    std::vector<Loop> sections;
    for (const double h : SectionHeights(face, totalTwist, tip, chamfer, tolerance)) {
        const double cone = tip - chamfer + std::min(h, face - h);
        std::vector<OutlinePoint> points;
        points.reserve(n);
        for (const OutlinePoint p : outline.points) {
            OutlinePoint q = Turned(p, section.twist * h);
            const double r = std::hypot(q.x, q.y);
            if (r > cone) q = {q.x * cone / r, q.y * cone / r};
            points.push_back(q);
        }
        sections.push_back(AddLoop(mesh, points, h));
    }
    for (std::size_t j = 0; j + 1 < sections.size(); ++j) {
        Strip(mesh, sections[j], sections[j + 1], false);
    }

    // The rays that split each end face into tooth pitches run through the middles of the
    // spaces, at both ends; the contour under the teeth gets a point on each of them.
    std::vector<double> rays;
    for (std::int32_t k = 0; k < z; ++k) {
        rays.push_back(kTwoPi * k / z);
        rays.push_back(kTwoPi * k / z + totalTwist);
    }
    const double length = std::max(part.hubLength, face);
    const double overhang = part.HasHub() ? (length - face) / 2 : 0;
    const bool web = part.web && part.holes > 0;
    const bool hub = !web && part.HasHub() && overhang > 0;
    std::vector<OutlinePoint> foot;
    if (web) {
        foot = CirclePoints(part.rimInner / 2, CircleChords(part.rimInner / 2, tolerance), rays);
    } else if (hub) {
        foot =
            CirclePoints(part.hubDiameter / 2, CircleChords(part.hubDiameter / 2, tolerance), rays);
    } else if (!bore.empty()) {
        foot = ThroughRays(bore, rays);
    } else {
        foot = {{0, 0}};
    }
    const Loop footLow = AddLoop(mesh, foot, 0);
    const Loop footHigh = AddLoop(mesh, foot, face);

    // The end faces of the toothed rim, pitch by pitch: the outline from one space's middle to
    // the next, down the ray to the foot, back along it, up the first ray.
    for (int end = 0; end < 2; ++end) {
        const Loop& flank = end == 0 ? sections.front() : sections.back();
        const Loop& under = end == 0 ? footLow : footHigh;
        const double turn = end == 0 ? 0 : totalTwist;
        const std::size_t m = under.at.size();
        for (std::int32_t k = 0; k < z; ++k) {
            std::vector<std::pair<OutlinePoint, std::uint32_t>> polygon;
            for (std::size_t i = 0; i <= perPitch; ++i) {
                const std::size_t index = (static_cast<std::size_t>(k) * perPitch + i) % n;
                polygon.push_back({flank.at[index], flank.vertex[index]});
            }
            const std::size_t from = IndexAt(under.at, kTwoPi * (k + 1) / z + turn);
            const std::size_t to = IndexAt(under.at, kTwoPi * k / z + turn);
            for (std::size_t i = from;; i = (i + m - 1) % m) {
                polygon.push_back({under.at[i], under.vertex[i]});
                if (i == to || m == 1) break;
            }
            ClipEars(mesh, std::move(polygon), end == 0);
        }
    }

    if (!web && !hub) {
        if (!bore.empty()) Strip(mesh, footLow, footHigh, true);
        return mesh;
    }
    // The hub from end to end, its bore with the keyway, and its end faces.
    const double hubRadius = part.hubDiameter / 2;
    const int hubChords = CircleChords(hubRadius, tolerance);
    const Loop hubLow = AddLoop(mesh, CirclePoints(hubRadius, hubChords, {}), -overhang);
    const Loop hubHigh = AddLoop(mesh, CirclePoints(hubRadius, hubChords, {}), face + overhang);
    const Loop boreLow = AddLoop(mesh, bore, -overhang);
    const Loop boreHigh = AddLoop(mesh, bore, face + overhang);
    Strip(mesh, boreLow, boreHigh, true);
    Zip(mesh, hubLow, boreLow, true);
    Zip(mesh, hubHigh, boreHigh, false);
    if (hub) {
        Zip(mesh, hubLow, footLow, false);
        Zip(mesh, footHigh, hubHigh, false);
        return mesh;
    }

    // The web in the middle of the face, its holes centred between the sectors' rays.
    const double webLow = (face - part.webThickness) / 2;
    const double webHigh = (face + part.webThickness) / 2;
    const int sectors = 2 * part.holes;
    const double rim = part.rimInner / 2;
    const auto ring = [&](double radius, double height) {
        return AddLoop(mesh, CirclePoints(radius, CircleChords(radius, tolerance, sectors), {}),
                       height);
    };
    const Loop rimLow = ring(rim, webLow);
    const Loop rimHigh = ring(rim, webHigh);
    const Loop hubWebLow = ring(hubRadius, webLow);
    const Loop hubWebHigh = ring(hubRadius, webHigh);
    Zip(mesh, footLow, rimLow, true);
    Zip(mesh, rimHigh, footHigh, true);
    Zip(mesh, hubLow, hubWebLow, false);
    Zip(mesh, hubWebHigh, hubHigh, false);
    const double holeRadius = part.holeDiameter / 2;
    const int holeChords = CircleChords(holeRadius, tolerance, 2);
    std::vector<Loop> holesLow;
    std::vector<Loop> holesHigh;
    for (int k = 0; k < part.holes; ++k) {
        const double angle = std::numbers::pi * (2 * k + 1) / part.holes;
        const OutlinePoint centre{part.holeCircle / 2 * std::cos(angle),
                                  part.holeCircle / 2 * std::sin(angle)};
        std::vector<OutlinePoint> points;
        for (int i = 0; i < holeChords; ++i) {
            const double a = angle + kTwoPi * i / holeChords;
            points.push_back(
                {centre.x + holeRadius * std::cos(a), centre.y + holeRadius * std::sin(a)});
        }
        holesLow.push_back(AddLoop(mesh, points, webLow));
        holesHigh.push_back(AddLoop(mesh, points, webHigh));
        Strip(mesh, holesLow.back(), holesHigh.back(), true);
    }
    WebFace(mesh, rimLow, hubWebLow, holesLow, true);
    WebFace(mesh, rimHigh, hubWebHigh, holesHigh, false);
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
