// A sweep of the input domain through both working drawings: every item of the three lists and
// every arrangement, crossed with the bounds and middle values of the typed fields. Each
// completed design must give two sheets with finite coordinates, everything on the paper, the
// views inside the frame clear of the title block, graph 26 and the table, no text on another
// text or on a line of the views, nothing of the main view outside the tip circle, no bore at
// or beyond the root circle, a mass above zero, the scale the scale rule gives, the local
// view's texts clear of the main view, web holes in the middle of the web with a ligament of
// at least their radius, a helix angle in the table written D°MM′SS″ that gives the pitch
// diameter within 0,005 mm, and the dimension texts showing the drawn part's sizes to 0.01 mm,
// every fitted size and keyway width followed by its tolerance field or deviation.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>
#include <numbers>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/errors.h"
#include "drawing/drawings.h"
#include "drawing/gear_sheet.h"
#include "drawing/sheet_expand.h"
#include "drawing/sheet_format.h"
#include "drawing/sheet_geometry.h"
#include "engine/accepted_sizes.h"
#include "engine/design_inputs.h"
#include "engine/design_run.h"
#include "engine/drawn_parts.h"
#include "engine/gear_part.h"
#include "engine/masses.h"
#include "engine/part_sizes.h"

namespace gearpair {
namespace {

// A size to 0.01 mm with the decimal comma and no trailing zeros, made independently of the
// drawing's own formatting.
std::string Hundredths(double mm) {
    // A double times 100 is exact in the 64-bit mantissa of long double, so this rounds the
    // exact value, a half away from zero, as the report does.
    const long long hundredths = std::llround(static_cast<long double>(mm) * 100);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%lld.%02lld", hundredths / 100, hundredths % 100);
    std::string text = buffer;
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    for (char& c : text) {
        if (c == '.') c = ',';
    }
    return text;
}

// A size the sheet must dimension, and what must follow it: its tolerance field (with its
// deviations, or alone beyond the tables) or its limit deviation; nothing for a free size.
struct ExpectedSize {
    std::string size;
    std::string fit = "";
};

std::vector<ExpectedSize> ExpectedDimensions(const GearPart& p, double shaft) {
    std::vector<ExpectedSize> texts = {
        {"Ø" + Hundredths(p.tip), "h11"}, {Hundredths(p.face)}, {Hundredths(p.chamfer) + "×45°"}};
    if (shaft > 0) {
        texts.push_back({"Ø" + Hundredths(shaft)});
        return texts;
    }
    texts.push_back({"Ø" + Hundredths(p.bore), "H7"});
    if (p.HasHub()) texts.push_back({"Ø" + Hundredths(p.hubDiameter)});
    if (p.HasHub() && p.hubLength > p.face) texts.push_back({Hundredths(p.hubLength)});
    if (p.keyway) {
        texts.push_back({Hundredths(p.keyway->width), "Js9"});
        texts.push_back({Hundredths(p.bore + p.keyway->hubDepth), "+"});
    }
    if (p.web) {
        texts.push_back({Hundredths(p.webThickness)});
        texts.push_back({Hundredths((p.hubLength - p.webThickness) / 2)});
        texts.push_back({"Ø" + Hundredths(p.rimInner)});
        texts.push_back(
            {std::to_string(p.holes) + " отв. Ø" + Hundredths(p.holeDiameter) + " равномерно"});
        texts.push_back({"Ø" + Hundredths(p.holeCircle)});
    }
    return texts;
}

// The web holes in the middle of the web: on the normal size nearest halfway between the hub
// and the rim, each hole with at least its own radius of web to the hub and to the rim.
bool HolesInTheMiddleOfTheWeb(const GearPart& p) {
    const double middle = (p.hubDiameter + p.rimInner) / 2;
    for (double size : NormalSizesRa40()) {
        if (std::fabs(size - middle) < std::fabs(p.holeCircle - middle) - 1e-9) return false;
    }
    const double ligament = p.holeDiameter / 2 - 1e-9;
    return (p.holeCircle - p.holeDiameter - p.hubDiameter) / 2 >= ligament &&
           (p.rimInner - p.holeCircle - p.holeDiameter) / 2 >= ligament;
}

// An angle written as a drawing writes it: degrees, then minutes and seconds in two digits.
bool DegreesMinutesSeconds(const std::string& text) {
    const std::size_t degree = text.find("°");
    if (degree == 0 || degree == std::string::npos) return false;
    const std::string rest = text.substr(degree + std::string("°").size());
    const std::string minute = "′";
    const std::string second = "″";
    return rest.size() == 4 + minute.size() + second.size() && std::isdigit(rest[0]) &&
           std::isdigit(rest[1]) && rest.compare(2, minute.size(), minute) == 0 &&
           std::isdigit(rest[2 + minute.size()]) && std::isdigit(rest[3 + minute.size()]) &&
           rest.compare(4 + minute.size(), second.size(), second) == 0;
}

// The box a text's capitals take (no descenders), for texts turned by a multiple of 90 degrees.
Box CapBox(const Text& t) {
    const double w = TextWidth(t);
    double left = 0;
    if (t.anchor == Anchor::BottomCentre || t.anchor == Anchor::MiddleCentre) left = -w / 2;
    if (t.anchor == Anchor::BottomRight || t.anchor == Anchor::MiddleRight) left = -w;
    double bottom = 0;
    if (t.anchor == Anchor::MiddleLeft || t.anchor == Anchor::MiddleCentre ||
        t.anchor == Anchor::MiddleRight) {
        bottom = -t.height / 2;
    }
    const double c = std::cos(t.angleDeg * std::numbers::pi / 180);
    const double s = std::sin(t.angleDeg * std::numbers::pi / 180);
    Box box{1e300, 1e300, -1e300, -1e300};
    for (double x : {left, left + w}) {
        for (double y : {bottom, bottom + t.height}) {
            const double px = t.at.x + x * c - y * s;
            const double py = t.at.y + x * s + y * c;
            box.left = std::min(box.left, px);
            box.right = std::max(box.right, px);
            box.bottom = std::min(box.bottom, py);
            box.top = std::max(box.top, py);
        }
    }
    // A tenth of a millimetre of tolerance all round.
    return Box{box.left + 0.1, box.bottom + 0.1, box.right - 0.1, box.top - 0.1};
}

// Whether a segment passes through the inside of a box (Liang-Barsky).
bool SegmentHits(Point a, Point b, const Box& box) {
    double t0 = 0;
    double t1 = 1;
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - box.left, box.right - a.x, a.y - box.bottom, box.top - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) return false;
    }
    return true;
}

bool CircleHits(Point centre, double r, const Box& box) {
    const double nx = std::clamp(centre.x, box.left, box.right);
    const double ny = std::clamp(centre.y, box.bottom, box.top);
    const double near = std::hypot(centre.x - nx, centre.y - ny);
    const double fx = std::max(std::fabs(centre.x - box.left), std::fabs(centre.x - box.right));
    const double fy = std::max(std::fabs(centre.y - box.bottom), std::fabs(centre.y - box.top));
    return near <= r && r <= std::hypot(fx, fy);
}

bool LineItemHits(const Item& item, const Box& box) {
    if (const Line* line = std::get_if<Line>(&item.shape))
        return SegmentHits(line->from, line->to, box);
    if (const Polyline* poly = std::get_if<Polyline>(&item.shape)) {
        const auto& p = poly->points;
        for (std::size_t i = 0; i + 1 < p.size(); ++i) {
            if (SegmentHits(p[i], p[i + 1], box)) return true;
        }
        return (poly->closed || poly->filled) && p.size() > 2 &&
               SegmentHits(p.back(), p.front(), box);
    }
    // Arcs as their whole circle: the few arcs of a view are the bore's.
    if (const Circle* circle = std::get_if<Circle>(&item.shape))
        return CircleHits(circle->centre, circle->radius, box);
    if (const Arc* arc = std::get_if<Arc>(&item.shape))
        return CircleHits(arc->centre, arc->radius, box);
    return false;
}

// The helix angle the table writes, "14°38′51″", in degrees; -1 when there is none, -2 when
// it is not written as degrees with two-digit minutes and seconds.
double TableHelix(const std::vector<const Text*>& texts) {
    for (const Text* t : texts) {
        const std::string& s = t->text;
        if (s.find("°") == std::string::npos || s.find("×") != std::string::npos) continue;
        if (!DegreesMinutesSeconds(s)) return -2;
        int degrees = 0, minutes = 0, seconds = 0;
        const char* c = s.c_str();
        degrees = std::atoi(c);
        const std::size_t m = s.find("°");
        const std::size_t mm = s.find("′");
        const std::size_t ss = s.find("″");
        if (mm != std::string::npos) minutes = std::atoi(c + m + 2);
        if (ss != std::string::npos) seconds = std::atoi(c + mm + 3);
        return degrees + minutes / 60.0 + seconds / 3600.0;
    }
    return -1;
}

struct SweepStats {
    long designs = 0;
    long completed = 0;
    long faults = 0;
    long solidDiscs = 0;
    long gearShafts = 0;
    long keyless = 0;
    long cannotBeBuilt = 0;
    double smallestWheel = 1e300;
    double largestWheel = 0;
    std::map<std::string, long> layouts;  // "A3 1:2"
    std::map<std::string, long> kinds;    // of the faults
};

void Fault(SweepStats& stats, const std::string& what) {
    // Faults by kind, the first of each kind reported.
    std::string kind = what.substr(what.find(": ") + 2);
    kind = kind.substr(0, kind.find('"'));
    if (stats.kinds[kind]++ == 0) ADD_FAILURE() << what;
    ++stats.faults;
}

// What a sheet is checked against: its part and what the rules say it must show.
struct SheetCase {
    const GearPart* part;
    double shaft = 0;         // a gear shaft's stub diameter
    bool dimensioned = true;  // false on a sheet that cannot be built
    double mn = 0;
    int teeth = 0;
    double pitch = 0;
    double massKg = 0;
};

double ScaleFactor(const std::string& text) {
    for (const DrawingScale& scale : kDrawingScales) {
        if (scale.text == text) return scale.factor;
    }
    return 0;
}

void CheckSheet(const Sheet& sheet, const SheetCase& c, const std::string& name,
                SweepStats& stats) {
    ++stats.layouts[sheet.format + " " + sheet.scale];
    const GearPart& part = *c.part;
    const Sheet plain = PlainSheet(sheet);
    const Box paper{0, 0, sheet.widthMm, sheet.heightMm};
    std::set<std::string> texts;
    std::vector<const Text*> allTexts;
    std::vector<const Item*> viewLines;
    Box views{1e300, 1e300, -1e300, -1e300};
    // Each view on its own: the main view may reach down beside the title block while the
    // local view stands above the requirements.
    std::map<int, Box> eachView;
    for (const Item& item : plain.items) {
        const Box box = ItemBox(item);
        if (!std::isfinite(box.left) || !std::isfinite(box.right) || !std::isfinite(box.bottom) ||
            !std::isfinite(box.top)) {
            return Fault(stats, name + ": a coordinate is not finite");
        }
        if (!paper.Contains(box)) return Fault(stats, name + ": an item leaves the paper");
        if (const Text* text = std::get_if<Text>(&item.shape)) {
            texts.insert(text->text);
            allTexts.push_back(text);
        } else if (item.view != kNoView) {
            viewLines.push_back(&item);
        }
        if (item.view != kNoView) {
            Include(views, box);
            eachView.try_emplace(item.view, box);
            Include(eachView[item.view], box);
        }
    }
    const SheetFormat* format = nullptr;
    for (const SheetFormat& f : kSheetFormats) {
        if (f.name == sheet.format) format = &f;
    }
    if (format == nullptr) return Fault(stats, name + ": no ISO format " + sheet.format);
    const Box frame = InnerFrame(*format);
    if (!frame.Contains(views)) return Fault(stats, name + ": a view leaves the frame");
    // The table as drawn (its rows grow by a line for a wrapped name): the closed main line in
    // the frame's top right corner, 110 mm wide.
    Box table{frame.right, frame.top, frame.right, frame.top};
    for (const Item& item : sheet.items) {
        const auto* outline = std::get_if<Polyline>(&item.shape);
        const Box box = ItemBox(item);
        if (item.layer == Layer::Frame && outline && outline->closed && box.right == frame.right &&
            box.top == frame.top && box.Width() == kTableWidth) {
            table = box;
        }
    }
    if (c.dimensioned && table.Height() < 13 * kTableRowHeight) {
        return Fault(stats, name + ": a table of fewer than 13 rows");
    }
    for (const auto& [index, view] : eachView) {
        if (view.Overlaps(TitleBlockBox(frame)) || view.Overlaps(Graph26Box(frame)) ||
            (c.dimensioned && view.Overlaps(table))) {
            return Fault(stats, name + ": a view overlaps the table, graph 26 or the title block");
        }
    }
    // Texts clear of each other and of the views' lines.
    for (std::size_t i = 0; i < allTexts.size(); ++i) {
        const Box box = CapBox(*allTexts[i]);
        for (std::size_t k = i + 1; k < allTexts.size(); ++k) {
            if (box.Overlaps(CapBox(*allTexts[k]))) {
                return Fault(stats, name + ": text \"" + allTexts[i]->text + "\" on text \"" +
                                        allTexts[k]->text + "\"");
            }
        }
        for (const Item* line : viewLines) {
            if (LineItemHits(*line, box)) {
                return Fault(
                    stats, name + ": a line of a view crosses text \"" + allTexts[i]->text + "\"");
            }
        }
    }
    // Nothing of the main view's part outside the tip circle.
    const ViewPlace& main = sheet.views.front().place;
    const double reach = part.tip / 2 * main.scale + 1e-6;
    for (const Item& item : plain.items) {
        if (item.view != 0 || (item.layer != Layer::Contour && item.layer != Layer::Hatch))
            continue;
        const Box box = ItemBox(item);
        if (box.top - main.origin.y > reach || main.origin.y - box.bottom > reach) {
            return Fault(stats, name + ": material outside the tip circle");
        }
    }
    // A bore stays inside the root circle.
    if (c.shaft == 0 && part.KeywayRadius() >= part.root / 2) {
        return Fault(stats, name + ": a bore at or beyond the root circle");
    }
    if (!(c.massKg > 0) || MassText(c.massKg) == "0" || texts.count(MassText(c.massKg)) == 0) {
        return Fault(stats, name + ": mass " + MassText(c.massKg));
    }
    // The scale rule.
    const double factor = ScaleFactor(sheet.scale);
    if (part.tip < kSmallestTipOnPaper) {
        double expected = 5;
        for (double f : {2.0, 2.5, 4.0, 5.0}) {
            if (part.tip * f >= kSmallestTipOnPaper) {
                expected = f;
                break;
            }
        }
        if (factor != expected) return Fault(stats, name + ": enlarged to " + sheet.scale);
    } else if (factor > 1 || (factor < 1 && part.tip < 200)) {
        // A part under 200 mm across its tips fits A1 at 1:1 whatever its length.
        return Fault(stats, name + ": " + sheet.scale + " on " + sheet.format);
    }
    if (!c.dimensioned) return;
    // The local view's texts stay right of everything of the main view.
    if (sheet.views.size() > 1) {
        double mainRight = -1e300;
        for (const Item& item : plain.items) {
            if (item.view == 0) mainRight = std::max(mainRight, ItemBox(item).right);
        }
        for (const Item& item : plain.items) {
            if (item.view == 1 && std::holds_alternative<Text>(item.shape) &&
                ItemBox(item).left < mainRight) {
                return Fault(stats, name + ": a text of the local view over the main view");
            }
        }
    }
    if (part.web && !HolesInTheMiddleOfTheWeb(part)) {
        return Fault(stats, name + ": web holes off the middle of the web or too near its edges");
    }
    const double helix = TableHelix(allTexts);
    if (helix == -2) return Fault(stats, name + ": the helix angle not as D°MM′SS″");
    const double beta = helix * std::numbers::pi / 180;
    if (std::fabs(c.mn * c.teeth / std::cos(beta) - c.pitch) > 0.005) {
        return Fault(stats, name + ": the table's helix angle does not give d");
    }
    for (const ExpectedSize& expected : ExpectedDimensions(part, c.shaft)) {
        // The size followed by its fit or deviation ("Ø80H7(+0,030)", "Ø4461,31h11"), where
        // it has one, else the size alone.
        const std::string start = expected.size + expected.fit;
        const auto written = [&](const std::string& text) {
            return text.compare(0, start.size(), start) == 0 &&
                   (!expected.fit.empty() || text.size() == start.size());
        };
        if (std::none_of(texts.begin(), texts.end(), written))
            return Fault(stats, name + ": no dimension " + start);
    }
}

void RunOne(const DesignInputs& inputs, SweepStats& stats) {
    ++stats.designs;
    GearSession session;
    RunOutcome outcome;
    try {
        outcome = RunDesign(session, inputs);
    } catch (const Error&) {
        return;  // the engine's own sweep reports these
    }
    if (!outcome.completed) return;
    ++stats.completed;
    const TGearDesign& d = session.design;
    const DesignProducts products = DesignProductsOf(d);
    const std::string name =
        "P " + inputs.powerText + ", n " + inputs.nwText + ", uz " + inputs.uzText + ", psiba " +
        std::string(kWidthTexts[inputs.psibaIndex]) + ", betta " + inputs.bettaText + ", arr " +
        std::to_string(inputs.arrangement) + ", H " + inputs.hkolText;

    // The parts as the sheets draw them, with the accepted sizes.
    const DrawnParts& parts = products.parts;
    const GearPart& wheel = parts.wheel;
    const bool cannot = parts.pinionForm == PinionForm::CannotBeBuilt;
    const bool shaft = parts.pinionForm != PinionForm::OnKey;
    stats.solidDiscs += wheel.web ? 0 : 1;
    stats.gearShafts += shaft ? 1 : 0;
    stats.cannotBeBuilt += cannot ? 1 : 0;
    stats.keyless += (wheel.keyway ? 0 : 1) + (shaft || parts.pinion.keyway ? 0 : 1);
    stats.smallestWheel = std::min(stats.smallestWheel, d.da2);
    stats.largestWheel = std::max(stats.largestWheel, d.da2);

    const DrawingSet set = BuildDrawings(d, products);
    const PartMasses& masses = products.masses;
    CheckSheet(set.wheel, SheetCase{&wheel, 0, true, d.mn, d.z2, d.d2, masses.wheel},
               "wheel of " + name, stats);
    CheckSheet(
        set.pinion,
        SheetCase{&parts.pinion, parts.shaftDiameter, !cannot, d.mn, d.z1, d.d1, masses.pinion},
        "pinion of " + name, stats);
}

TEST(DrawingSweep, EveryCompletedDesignGetsTwoSheetsThatFit) {
    const std::vector<std::string> powers = {"60", "6000", "55000"};
    const std::vector<std::string> speeds = {"1", "86,3", "10000"};
    const std::vector<std::string> hardnesses = {"207", "652"};
    SweepStats stats;
    DesignInputs inputs;
    inputs.tText = "10000";
    for (const std::string_view ratio : kRatioTexts) {
        inputs.uzText = std::string(ratio);
        for (int width = 0; width < static_cast<int>(kWidthTexts.size()); ++width) {
            inputs.psibaIndex = width;
            for (const std::string_view helix : kHelixTexts) {
                inputs.bettaText = std::string(helix);
                for (int arrangement = 1; arrangement <= 3; ++arrangement) {
                    inputs.arrangement = arrangement;
                    for (const auto& power : powers) {
                        inputs.powerText = power;
                        for (const auto& speed : speeds) {
                            inputs.nwText = speed;
                            for (const auto& hardness : hardnesses) {
                                inputs.hkolText = hardness;
                                RunOne(inputs, stats);
                            }
                        }
                    }
                }
            }
        }
    }
    std::cout << stats.designs << " designs, " << stats.completed << " completed; "
              << stats.solidDiscs << " solid-disc wheels, " << stats.gearShafts
              << " gear-shaft pinions (" << stats.cannotBeBuilt << " cannot be built), "
              << stats.keyless << " bores without a key; wheels Ø" << stats.smallestWheel << " to Ø"
              << stats.largestWheel << " mm\n";
    for (const auto& [layout, count] : stats.layouts) {
        std::cout << "  " << layout << ": " << count << '\n';
    }
    for (const auto& [kind, count] : stats.kinds)
        std::cout << "  fault " << kind << ": " << count << '\n';
    EXPECT_GE(stats.completed, 3000);
    EXPECT_GT(stats.solidDiscs, 0);
    EXPECT_GT(stats.gearShafts, 0);
    EXPECT_EQ(stats.faults, 0);
}

}  // namespace
}  // namespace gearpair
