// Mesh forces, support reactions and the diagrams of a shaft.
#include "engine/shaft_loads.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/float_check.h"
#include "engine/check_data.h"

namespace gearpair {

namespace {

// The resultant of two components at right angles: the square root of the sum of squares,
// correctly rounded on every system (hypot is not).
double Resultant(double a, double b) {
    return std::sqrt(a * a + b * b);
}

}  // namespace

MeshForces MeshForcesOf(double torque, double pitchDiameter, double helix) {
    const double alpha = kRackPressureDegrees * std::numbers::pi / 180;
    MeshForces f;
    f.Ft = 2 * torque * 1000 / pitchDiameter;
    f.Fr = f.Ft * std::tan(alpha) / std::cos(helix);
    f.Fa = f.Ft * std::tan(helix);
    RaiseFloatFaults();
    return f;
}

std::array<ShaftSupport, 2> SupportReactions(std::span<const ShaftLoad> loads, double x1, double x2,
                                             int axialSupport) {
    // In each plane: R1 + R2 = -ΣF and the moments about support 1 balance, the moments of the
    // axial forces (N*m, hence * 1000 to N*mm) in the r plane among them.
    double sumR = 0, sumT = 0, momentR = 0, momentT = 0, axial = 0;
    for (const ShaftLoad& load : loads) {
        sumR += load.Fr;
        sumT += load.Ft;
        momentR += (load.x - x1) * load.Fr + load.moment * 1000;
        momentT += (load.x - x1) * load.Ft;
        axial += load.Fa;
    }
    const double span = x2 - x1;
    std::array<ShaftSupport, 2> s;
    s[0].x = x1;
    s[1].x = x2;
    s[1].Rr = -momentR / span;
    s[1].Rt = -momentT / span;
    s[0].Rr = -sumR - s[1].Rr;
    s[0].Rt = -sumT - s[1].Rt;
    for (ShaftSupport& support : s) support.R = Resultant(support.Rr, support.Rt);
    s[axialSupport].Fa = -axial;
    RaiseFloatFaults();
    return s;
}

namespace {

// Where the torque runs: between the end load and the gear, or from the left end to the gear
// when there is no end load.
struct TorqueSpan {
    double from = 0;
    double to = 0;
    double torque = 0;

    // The torque at x; `includeAt` takes a load at x as left of it.
    double At(double x, bool includeAt) const {
        const bool afterFrom = x > from || (includeAt && x == from) || from == 0;
        const bool beforeTo = x < to || (!includeAt && x == to);
        return afterFrom && beforeTo ? torque : 0;
    }
};

TorqueSpan TorqueSpanOf(const std::vector<ShaftLoad>& loads, double torque) {
    TorqueSpan span;
    span.torque = torque;
    for (const ShaftLoad& load : loads) {
        if (load.kind == LoadKind::EndLoad) span.from = load.x;
        if (load.kind == LoadKind::Gear) span.to = load.x;
    }
    if (span.from > span.to) std::swap(span.from, span.to);
    return span;
}

DiagramStation StationAt(const std::vector<ShaftLoad>& loads,
                         const std::array<ShaftSupport, 2>& supports, double x, bool includeAt,
                         const TorqueSpan& torque) {
    // The bending moments are the left part's: its forces turn about x in the sense opposite to
    // x * F, its axial forces' moments against their own sense; N*mm to N*m.
    const auto left = [&](double at) { return at < x || (includeAt && at == x); };
    double r = 0, t = 0;
    for (const ShaftLoad& load : loads) {
        if (!left(load.x)) continue;
        r += (x - load.x) * load.Fr - load.moment * 1000;
        t += (x - load.x) * load.Ft;
    }
    for (const ShaftSupport& support : supports) {
        if (!left(support.x)) continue;
        r += (x - support.x) * support.Rr;
        t += (x - support.x) * support.Rt;
    }
    DiagramStation s;
    s.x = x;
    s.Mr = r / 1000;
    s.Mt = t / 1000;
    s.M = Resultant(s.Mr, s.Mt);
    s.T = torque.At(x, includeAt);
    return s;
}

}  // namespace

std::vector<DiagramStation> ShaftDiagram(const std::vector<ShaftLoad>& loads,
                                         const std::array<ShaftSupport, 2>& supports, double length,
                                         double torque) {
    std::vector<double> xs = {0, length};
    xs.reserve(2 + loads.size() + supports.size());
    for (const ShaftLoad& load : loads) xs.push_back(load.x);
    for (const ShaftSupport& support : supports) xs.push_back(support.x);
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    const TorqueSpan span = TorqueSpanOf(loads, torque);
    std::vector<DiagramStation> diagram;
    diagram.reserve(2 * xs.size());
    for (double x : xs) {
        const DiagramStation before = StationAt(loads, supports, x, false, span);
        const DiagramStation after = StationAt(loads, supports, x, true, span);
        diagram.push_back(before);
        if (after.Mr != before.Mr || after.T != before.T) diagram.push_back(after);
    }
    // The free ends carry nothing: what is left there is rounding of the balance.
    for (DiagramStation* end : {&diagram.front(), &diagram.back()}) {
        end->Mr = end->Mt = end->M = 0;
    }
    RaiseFloatFaults();
    return diagram;
}

DiagramStation DiagramAt(const std::vector<DiagramStation>& diagram, double x) {
    DiagramStation best;
    best.x = x;
    bool found = false;
    for (std::size_t i = 0; i < diagram.size(); ++i) {
        const DiagramStation& a = diagram[i];
        if (a.x == x) {
            if (!found || a.M > best.M) best.M = a.M, best.Mr = a.Mr, best.Mt = a.Mt;
            best.T = std::max(found ? best.T : 0, a.T);
            found = true;
            continue;
        }
        if (found || i + 1 == diagram.size()) continue;
        const DiagramStation& b = diagram[i + 1];
        if (a.x < x && x < b.x) {
            const double k = (x - a.x) / (b.x - a.x);
            best.Mr = a.Mr + (b.Mr - a.Mr) * k;
            best.Mt = a.Mt + (b.Mt - a.Mt) * k;
            best.M = Resultant(best.Mr, best.Mt);
            best.T = a.T;
            found = true;
        }
    }
    return best;
}

}  // namespace gearpair
