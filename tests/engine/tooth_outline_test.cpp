// The tooth outline checked against the geometry of the involute gear worked out apart from
// the generation: the exact involute, the radii, the span over z_w teeth that the check data
// gives, and the dimension over two pins.
#include "engine/tooth_outline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <tuple>
#include <vector>

#include "engine/check_data.h"

namespace gearpair {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kMicron = 0.001;  // mm
const double kAlpha = 20 * kPi / 180;

struct Sample {
    std::int32_t z;
    double mn;
    double beta;  // radians
};

// The cut helix angle of a pair: the cosine that the whole tooth count implies.
double CutAngle(double aw, double mn, std::int32_t zs) {
    return std::acos(zs * mn / (2 * aw));
}

// The default design and the corners of the input domain: the smallest module (aw 40, 0,6) with
// the fewest teeth at 20°, the most teeth (aw 50, 0,7, ratio 7,1) at 8°, the largest module
// (aw 2500, 36) at 8° and 20°.
std::vector<Sample> Samples() {
    const double defaultBeta = CutAngle(200, 3, 129);
    const double small = CutAngle(40, 0.6, 125);
    const double most = CutAngle(50, 0.7, 141);
    return {{95, 3, defaultBeta},
            {34, 3, defaultBeta},
            {15, 0.6, small},
            {110, 0.6, small},
            {124, 0.7, most},
            {17, 0.7, most},
            {46, 36, CutAngle(2500, 36, 138)},
            {16, 36, CutAngle(2500, 36, 131)}};
}

std::string Name(const Sample& s) {
    return "z " + std::to_string(s.z) + ", mn " + std::to_string(s.mn) + ", beta " +
           std::to_string(s.beta * 180 / kPi);
}

// The gear as the rack defines it, in transverse terms.
struct Involute {
    double pitch, base, tip, root;
    double alphaT;
    std::int32_t z;

    explicit Involute(const Sample& s)
        : pitch(s.z * s.mn / (2 * std::cos(s.beta))),
          base(0),
          tip(pitch + s.mn),
          root(pitch - 1.25 * s.mn),
          alphaT(std::atan(std::tan(kAlpha) / std::cos(s.beta))),
          z(s.z) {
        base = pitch * std::cos(alphaT);
    }
    // The flank's angle from the middle of the space at radius r: on the pitch circle the space
    // is half the pitch wide; the string unwound from the base circle adds tan a − a.
    double FlankAngle(double r) const {
        const double a = std::acos(base / r);
        return kPi / (2 * z) - (std::tan(alphaT) - alphaT) + (std::tan(a) - a);
    }
};

// The polar angle of a point measured from the middle of its tooth space towards the flank.
double AngleFromSpace(OutlinePoint p, std::int32_t z) {
    const double pitch = 2 * kPi / z;
    double a = std::fmod(std::atan2(p.y, p.x) + 2 * kPi, pitch);
    return a > pitch / 2 ? pitch - a : a;
}

// +1 where the angle from the space's middle grows with the polar angle, −1 on the mirrored
// flank.
double FlankSide(OutlinePoint p, std::int32_t z) {
    const double pitch = 2 * kPi / z;
    return std::fmod(std::atan2(p.y, p.x) + 2 * kPi, pitch) > pitch / 2 ? -1 : 1;
}

double SegmentDistance(OutlinePoint p, OutlinePoint a, OutlinePoint b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double s =
        std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(p.x - a.x - s * dx, p.y - a.y - s * dy);
}

// Every involute point on the exact involute, and every chord between two of them within 1 µm
// of the exact curve it cuts across.
TEST(ToothOutline, InvolutePointsAndChordsWithinAMicron) {
    for (const Sample& s : Samples()) {
        SCOPED_TRACE(Name(s));
        const GearOutline o = ToothOutline(s.z, s.mn, s.beta);
        const Involute g(s);
        const std::size_t n = o.points.size();
        int involutePoints = 0;
        for (std::size_t i = 0; i < n; ++i) {
            if (o.parts[i] != OutlinePart::Involute) continue;
            ++involutePoints;
            const OutlinePoint p = o.points[i];
            const double r = std::hypot(p.x, p.y);
            // Involutes of one base circle turned by an angle lie base·angle apart.
            ASSERT_LE(g.base * std::abs(AngleFromSpace(p, s.z) - g.FlankAngle(r)), kMicron);
            const OutlinePoint q = o.points[(i + 1) % n];
            if (o.parts[(i + 1) % n] != OutlinePart::Involute) continue;
            const double rq = std::hypot(q.x, q.y);
            const double a0 = std::atan2(p.y, p.x);
            for (int k = 1; k < 50; ++k) {
                const double rk = r + (rq - r) * k / 50;
                // The exact involute point at rk on the same flank: p turned by the difference
                // of the flank angles, away from the space's middle.
                const double a = a0 + FlankSide(p, s.z) * (g.FlankAngle(rk) - g.FlankAngle(r));
                ASSERT_LE(SegmentDistance({rk * std::cos(a), rk * std::sin(a)}, p, q), kMicron);
            }
        }
        EXPECT_GT(involutePoints, 4 * s.z);
    }
}

TEST(ToothOutline, TipAndRootRadii) {
    for (const Sample& s : Samples()) {
        SCOPED_TRACE(Name(s));
        const GearOutline o = ToothOutline(s.z, s.mn, s.beta);
        const Involute g(s);
        double lo = 1e300, hi = 0;
        for (const OutlinePoint p : o.points) {
            lo = std::min(lo, std::hypot(p.x, p.y));
            hi = std::max(hi, std::hypot(p.x, p.y));
        }
        EXPECT_NEAR(hi, g.tip, kMicron);
        EXPECT_NEAR(lo, g.root, kMicron);
    }
}

bool Cross(OutlinePoint a, OutlinePoint b, OutlinePoint c, OutlinePoint d) {
    const auto side = [](OutlinePoint p, OutlinePoint q, OutlinePoint r) {
        return (q.x - p.x) * (r.y - p.y) - (q.y - p.y) * (r.x - p.x);
    };
    const double d1 = side(a, b, c), d2 = side(a, b, d), d3 = side(c, d, a), d4 = side(c, d, b);
    return ((d1 > 0) != (d2 > 0)) && ((d3 > 0) != (d4 > 0));
}

// One closed counter-clockwise polygon of the gear's area, no edge crossing another: the
// segments swept from left to right, each tested against those whose x ranges overlap it.
TEST(ToothOutline, ClosedWithoutSelfIntersection) {
    for (const Sample& s : Samples()) {
        SCOPED_TRACE(Name(s));
        const GearOutline o = ToothOutline(s.z, s.mn, s.beta);
        const std::size_t n = o.points.size();
        double area = 0;
        double longest = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const OutlinePoint a = o.points[i], b = o.points[(i + 1) % n];
            area += a.x * b.y - b.x * a.y;
            longest = std::max(longest, std::hypot(b.x - a.x, b.y - a.y));
        }
        const Involute g(s);
        EXPECT_GT(area / 2, kPi * g.root * g.root);
        EXPECT_LT(area / 2, kPi * g.tip * g.tip);
        EXPECT_LT(longest, s.mn);  // the closing chord is one of them

        std::vector<std::size_t> order(n);
        for (std::size_t i = 0; i < n; ++i) order[i] = i;
        const auto minX = [&](std::size_t i) {
            return std::min(o.points[i].x, o.points[(i + 1) % n].x);
        };
        const auto maxX = [&](std::size_t i) {
            return std::max(o.points[i].x, o.points[(i + 1) % n].x);
        };
        std::sort(order.begin(), order.end(),
                  [&](std::size_t a, std::size_t b) { return minX(a) < minX(b); });
        std::vector<std::size_t> active;
        int crossings = 0;
        for (const std::size_t i : order) {
            std::erase_if(active, [&](std::size_t j) { return maxX(j) < minX(i); });
            for (const std::size_t j : active) {
                const bool adjacent = (i + 1) % n == j || (j + 1) % n == i;
                if (!adjacent &&
                    Cross(o.points[i], o.points[(i + 1) % n], o.points[j], o.points[(j + 1) % n])) {
                    ++crossings;
                }
            }
            active.push_back(i);
        }
        EXPECT_EQ(crossings, 0);
    }
}

// The span over z_w teeth between parallel tangents to the two outer flanks, taken on the
// outline's involute points in directions around the symmetric one (the widest is the
// tangent one), turned into the normal plane: the check data's W.
TEST(ToothOutline, SpanOverTeethIsTheCommonNormalLength) {
    for (const Sample& s : Samples()) {
        SCOPED_TRACE(Name(s));
        const GearOutline o = ToothOutline(s.z, s.mn, s.beta);
        const CheckData c = GearCheckData(s.z, s.mn, s.beta, 1e9);
        const double pitch = 2 * kPi / s.z;
        const double end = c.teethSpanned * pitch;  // the middle of the space after the span
        std::vector<OutlinePoint> first, last;      // involute points of the outer flanks
        for (std::size_t i = 0; i < o.points.size(); ++i) {
            if (o.parts[i] != OutlinePart::Involute) continue;
            const double a = std::atan2(o.points[i].y, o.points[i].x);
            if (a > 0 && a < pitch / 2) first.push_back(o.points[i]);
            if (a > end - pitch / 2 && a < end) last.push_back(o.points[i]);
        }
        ASSERT_FALSE(first.empty());
        ASSERT_FALSE(last.empty());
        double widest = 0;
        for (int k = -2000; k <= 2000; ++k) {
            const double a = end / 2 + kPi / 2 + 1e-4 * k;  // the jaws' normal
            double lo = 1e300, hi = -1e300;
            for (const OutlinePoint p : first)
                lo = std::min(lo, p.x * std::cos(a) + p.y * std::sin(a));
            for (const OutlinePoint p : last)
                hi = std::max(hi, p.x * std::cos(a) + p.y * std::sin(a));
            widest = std::max(widest, hi - lo);
        }
        const double betaB = std::asin(std::sin(s.beta) * std::cos(kAlpha));
        EXPECT_NEAR(widest * std::cos(betaB), c.commonNormal, kMicron);
    }
}

// Two pins of 1,7 transverse modules in opposite spaces (for an odd count the spaces nearest
// to opposite), found on an outline of 0,02 µm chords: a pin wedged between two chords sits
// their sag / sin α deeper, so the 1 µm outline would move it by microns. The analytic value:
// the pin's centre on the involute offset by its radius, inv αM = inv αt + D / (2·rb) − π/(2z).
TEST(ToothOutline, DimensionOverTwoPins) {
    for (const Sample& s : Samples()) {
        SCOPED_TRACE(Name(s));
        const GearOutline o = ToothOutline(s.z, s.mn, s.beta, 2e-5);
        const Involute g(s);
        const double pin = 1.7 * s.mn / std::cos(s.beta);
        const auto distance = [&](OutlinePoint c) {
            double best = 1e300;
            const std::size_t n = o.points.size();
            for (std::size_t i = 0; i < n; ++i) {
                best = std::min(best, SegmentDistance(c, o.points[i], o.points[(i + 1) % n]));
            }
            return best;
        };
        const auto centre = [&](double angle) {
            double lo = g.root, hi = g.tip + pin;
            for (int i = 0; i < 50; ++i) {
                const double mid = 0.5 * (lo + hi);
                const OutlinePoint c{mid * std::cos(angle), mid * std::sin(angle)};
                (distance(c) < pin / 2 ? lo : hi) = mid;
            }
            return OutlinePoint{lo * std::cos(angle), lo * std::sin(angle)};
        };
        const OutlinePoint c1 = centre(0);
        const OutlinePoint c2 = centre(2 * kPi / s.z * (s.z / 2));
        const double measured = std::hypot(c1.x - c2.x, c1.y - c2.y) + pin;

        const double target = std::tan(g.alphaT) - g.alphaT + pin / (2 * g.base) - kPi / (2 * s.z);
        double lo = 0, hi = 1.5;
        for (int i = 0; i < 100; ++i) {
            const double mid = 0.5 * (lo + hi);
            (std::tan(mid) - mid < target ? lo : hi) = mid;
        }
        const double centreRadius = g.base / std::cos(lo);
        const double analytic =
            (s.z % 2 == 0 ? 2 * centreRadius : 2 * centreRadius * std::cos(kPi / (2 * s.z))) + pin;
        // The pin touches the involute, between the form circle and the tip.
        const double contact = std::hypot(g.base, g.base * std::tan(lo) - pin / 2);
        EXPECT_GT(contact, o.gear.formRadius);
        EXPECT_LT(contact, g.tip);
        EXPECT_NEAR(measured, analytic, kMicron);
    }
}

// The default wheel's fillet (helical: the rack's tip rounding an ellipse in the transverse
// section), half way between the root and the form circle at r = 144,0219649263782 mm: the
// polar angle of the trochoid there, 0,00823079518080695 rad, found apart from this code as
// the farthest the rounding reaches at that radius over the rack's travel (a search to 1e-20).
// The outline's chord through that radius passes within its tolerance.
TEST(ToothOutline, HelicalFilletOnTheTrochoid) {
    const GearOutline o = ToothOutline(95, 3, std::acos(129 * 3.0 / 400), 1e-4);
    const double r = 144.0219649263782;
    int crossings = 0;
    for (std::size_t i = o.joints[0]; i < o.joints[1]; ++i) {
        const OutlinePoint p = o.points[i];
        const OutlinePoint q = o.points[i + 1];
        const double rp = std::hypot(p.x, p.y);
        const double rq = std::hypot(q.x, q.y);
        if ((rp - r) * (rq - r) > 0) continue;
        ++crossings;
        const double a = std::atan2(p.y, p.x);
        const double angle = a + (r - rp) / (rq - rp) * (std::atan2(q.y, q.x) - a);
        EXPECT_NEAR(r * angle, r * 0.00823079518080695, 1.5e-4);
    }
    EXPECT_EQ(crossings, 1);
}

// The section's area in closed form and by quadrature equals the area of a tenth-micron
// polygon on the exact curves (whose chords cut off under 5e-6 of it): a helical gear, a spur
// gear, and an undercut one, whose trochoid crosses the involute.
TEST(ToothOutline, SectionAreaEqualsTheFinePolygons) {
    const double beta = std::acos(129 * 3.0 / 400);
    for (const auto& [z, mn, b] :
         {std::tuple{95, 3.0, beta}, {34, 3.0, beta}, {40, 2.0, 0.0}, {8, 5.0, 0.0}}) {
        SCOPED_TRACE(z);
        const GearOutline o = ToothOutline(z, mn, b, 1e-4);
        double twice = 0;
        for (std::size_t i = 0; i < o.points.size(); ++i) {
            const OutlinePoint p = o.points[i];
            const OutlinePoint q = o.points[(i + 1) % o.points.size()];
            twice += p.x * q.y - q.x * p.y;
        }
        EXPECT_NEAR(OutlineArea(o.gear) / (twice / 2), 1, 5e-6);
    }
}

}  // namespace
}  // namespace gearpair
