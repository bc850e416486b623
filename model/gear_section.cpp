// Cross-sections of the wheel and the pinion for their model files.
#include "model/gear_section.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/drawn_parts.h"
#include "engine/gear_part.h"
#include "engine/helix_angle.h"

namespace gearpair {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

GearSection Section(std::int32_t z, const TGearDesign& d, double face, double hand,
                    double tolerance) {
    GearSection s;
    const double beta = CutHelixDegrees(d) * std::numbers::pi / 180;
    s.outline = ToothOutline(z, d.mn, beta, tolerance);
    s.face = face;
    // A point of the pitch cylinder advances along the helix by tan β per mm of axial length.
    s.twist = hand * std::tan(beta) / s.outline.gear.pitchRadius;
    return s;
}

void WithBore(GearSection& s, double bore, std::optional<Keyway> key, double tolerance) {
    s.boreDiameter = bore;
    s.keyWidth = key ? key->width : 0;
    s.keyDepth = key ? key->hubDepth : 0;
    s.bore =
        BoreContour(bore, key ? std::optional(key->width) : std::nullopt, s.keyDepth, tolerance);
}

}  // namespace

std::vector<OutlinePoint> BoreContour(double bore, std::optional<double> width, double hubDepth,
                                      double tolerance, const std::vector<double>& through) {
    const double r = bore / 2;
    const double step = 2 * std::acos(1 - tolerance / r);
    std::vector<double> angles;
    for (const double a : through) angles.push_back(WrappedAngle(a));
    // The keyway's corners: on the bore, then at its bottom.
    double halfWidth = 0;
    double bottom = 0;
    double arcFrom = 0;
    double arcSpan = kTwoPi;
    if (width) {
        halfWidth = *width / 2;
        bottom = r + hubDepth;
        const double onBore = std::sqrt(r * r - halfWidth * halfWidth);
        const double rightBore = std::atan2(onBore, halfWidth);
        const double leftBore = std::atan2(onBore, -halfWidth);
        angles.push_back(rightBore);
        angles.push_back(std::atan2(bottom, halfWidth));
        angles.push_back(std::atan2(bottom, -halfWidth));
        angles.push_back(leftBore);
        arcFrom = leftBore;
        arcSpan = kTwoPi - (leftBore - rightBore);
    }
    const int chords = std::max(3, static_cast<int>(std::ceil(arcSpan / step)));
    for (int k = 0; k < chords; ++k) angles.push_back(WrappedAngle(arcFrom + arcSpan * k / chords));
    std::sort(angles.begin(), angles.end());
    angles.erase(
        std::unique(angles.begin(), angles.end(), [](double a, double b) { return b - a < 1e-12; }),
        angles.end());

    std::vector<OutlinePoint> contour;
    contour.reserve(angles.size());
    for (const double a : angles) {
        const double c = std::cos(a);
        const double s = std::sin(a);
        double rho = r;
        if (width && s > 0) {
            // Inside the keyway's angles the ray ends on a side or on the bottom.
            if (std::abs(c) * bottom <= halfWidth * s) {
                rho = bottom / s;
            } else if (std::abs(c) * r < halfWidth) {
                rho = halfWidth / std::abs(c);
            }
        }
        contour.push_back({rho * c, rho * s});
    }
    return contour;
}

GearSection WheelSection(const TGearDesign& d, const DrawnParts& parts, double tolerance) {
    GearSection s = Section(d.z2, d, d.bkol, 1, tolerance);
    s.part = parts.wheel;
    WithBore(s, s.part.bore, s.part.keyway, tolerance);
    return s;
}

GearSection PinionSection(const TGearDesign& d, const DrawnParts& parts, double tolerance) {
    GearSection s = Section(d.z1, d, d.bw, -1, tolerance);
    // A pinion made in one piece with its shaft has no bore.
    s.part = parts.pinion;
    if (parts.pinionForm == PinionForm::OnKey) {
        WithBore(s, parts.pinion.bore, parts.pinion.keyway, tolerance);
    }
    return s;
}

double PolygonArea(const std::vector<OutlinePoint>& polygon) {
    double twice = 0;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const OutlinePoint a = polygon[i];
        const OutlinePoint b = polygon[(i + 1) % polygon.size()];
        twice += a.x * b.y - b.x * a.y;
    }
    return twice / 2;
}

}  // namespace gearpair
