// The figure of a shaft's calculation: the scheme (outline from the steps, hinged supports, the
// loads and reactions as arrows, the distances between them) in a band at the top, and under it
// one band per diagram, all on one length scale; an A3 sheet when the texts collide on A4.
#include "drawing/shaft_figures.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "core/decimal_text.h"
#include "core/errors.h"
#include "core/format_fixed.h"
#include "drawing/drafting_font.h"
#include "drawing/pdf_writer.h"
#include "drawing/sheet_expand.h"
#include "drawing/sheet_geometry.h"
#include "drawing/sheet_pen.h"
#include "drawing/svg_writer.h"
#include "files/file_ops.h"
#include "files/program_dir.h"

namespace gearpair {

namespace {

// A landscape sheet and what its room allows, paper mm.
struct FigureFormat {
    const char* name;
    double width;
    double height;
    double shaftHeight;  // the largest diameter drawn at most this tall, at least a third of it
    int valueLevels;     // lines of values a diagram keeps room for on each side of its zero
};

// ISO 216 A4 and A3, landscape.
constexpr FigureFormat kA4{"A4", 297, 210, 20, 1};
constexpr FigureFormat kA3{"A3", 420, 297, 30, 2};

// Paper mm.
constexpr double kMargin = 10;         // sheet edge to anything drawn
constexpr double kCaptionColumn = 24;  // the diagrams' captions, left of the shaft's start
constexpr double kRightRoom = 14;      // right of the shaft: axis overhang, an axial force's arrow
constexpr double kTitleHeight = 5;
constexpr double kTitleBand = 12;
constexpr double kLineStep = 6.5;       // baseline to baseline of stacked load texts
constexpr double kTextGap = 1;          // between a text's box and what it labels
constexpr double kTextClearance = 1.5;  // at least between two texts' boxes
constexpr double kForceArrow = 10;      // the loads' arrows above the shaft
constexpr double kAxialArrow = 12;      // the gear's axial force along the shaft
constexpr double kReactionArrow = 8;    // under the supports
constexpr double kSupportHeight = 5;    // the hinge's triangle
constexpr double kSupportHalfBase = 3;
constexpr double kGroundHalf = 5;  // the ground line under a hinge and its short strokes
constexpr double kGroundStroke = 1.5;
constexpr double kDimensionDrop = 8;  // from the dimensioned points to the dimension line
constexpr double kBandGap = 3;        // between two diagrams
constexpr double kHatchStep = 2;      // the thin vertical lines inside a diagram
constexpr double kMarkRadius = 1.5;   // the sign of a force across the drawing plane
constexpr double kAxisOverhang = 3;
// Descenders reach a third of the capital height below the baseline (as in sheet_geometry).
constexpr double kDescent = 1.0 / 3;
// A text's box with its gap: the room one line of values takes beside a curve.
constexpr double kValueLine = kTextHeight * (1 + kDescent) + kTextGap;
// Half the box of a caption centred on its zero line.
constexpr double kCaptionHalf = kTextHeight * (0.5 + kDescent);

std::string ForceText(double newtons) {
    return DecimalText(std::fabs(newtons), 0) + " Н";
}

// Moments and torques to 0.1 N*m, always with the decimal, so that a column of values reads
// alike.
std::string MomentText(double newtonMetres) {
    return FormatFixed(newtonMetres, 15, 1, ',');
}

double ShaftLength(const ShaftDesign& s) {
    double length = 0;
    for (const ShaftStep& step : s.steps) length += step.length;
    if (!s.diagram.empty()) length = std::max(length, s.diagram.back().x);
    for (const ShaftLoad& load : s.loads) length = std::max(length, load.x);
    for (const ShaftSupport& support : s.supports) length = std::max(length, support.x);
    return length > 0 ? length : 1;
}

// The largest radius of the steps that meet at x, mm.
double RadiusAt(const ShaftDesign& s, double x) {
    double from = 0;
    double r = 0;
    for (const ShaftStep& step : s.steps) {
        const double to = from + step.length;
        if (x >= from && x <= to) r = std::max(r, step.d / 2);
        from = to;
    }
    return r;
}

double LargestRadius(const ShaftDesign& s) {
    double r = 0;
    for (const ShaftStep& step : s.steps) r = std::max(r, step.d / 2);
    return r;
}

void Add(Sheet& sheet, Layer layer, Shape shape) {
    sheet.items.push_back({layer, std::move(shape)});
}

void AddLine(Sheet& sheet, Layer layer, Point from, Point to) {
    Add(sheet, layer, Line{from, to});
}

void AddArrow(Sheet& sheet, Point tail, Point tip) {
    AddLine(sheet, Layer::Contour, tail, tip);
    Add(sheet, Layer::Dimension, ArrowHead(tip, {tip.x - tail.x, tip.y - tail.y}));
}

// A text's box grown by half the clearance all round: two such boxes apart keep it between.
Box Spaced(const Box& box) {
    const double half = kTextClearance / 2;
    return {box.left - half, box.bottom - half, box.right + half, box.top + half};
}

// A text moved along x, if need be, to lie between `left` and `right`.
Text Within(Text text, double left, double right) {
    const Box box = ItemBox(Item{Layer::Text, text});
    if (box.left < left) text.at.x += left - box.left;
    if (box.right > right) text.at.x -= box.right - right;
    return text;
}

// The places of a figure on its sheet, paper mm.
struct FigurePlaces {
    double left = 0;         // paper x of the shaft's left end
    double scale = 1;        // paper mm per shaft mm along the axis
    double radiusScale = 1;  // the same across it, other for a shaft too slender or too thick
    double textLeft = 0;     // the room of the texts across the sheet
    double textRight = 0;

    double X(double x) const { return left + x * scale; }
};

// The shaft's outline from its steps, its axis, the hinges with their reactions below, the
// loads above, and the distances between the loads and the supports under everything. Returns
// the paper height the scheme reaches down to.
double DrawScheme(Sheet& sheet, const ShaftDesign& s, const FigurePlaces& at, double top) {
    const double length = ShaftLength(s);
    const double rs = at.radiusScale;
    const double largest = LargestRadius(s) * rs;
    // Up to three lines of a gear's forces, then their arrows, then the shaft.
    const double labelsBottom = top - (2 * kLineStep + kTextHeight * (1 + kDescent) + kTextGap);
    const double tail = labelsBottom;
    const double axis = tail - kForceArrow - largest;

    // The outline: the upper edge left to right, the lower one back; every shoulder across.
    Polyline outline;
    outline.closed = true;
    double from = 0;
    for (const ShaftStep& step : s.steps) {
        outline.points.push_back({at.X(from), axis + step.d / 2 * rs});
        outline.points.push_back({at.X(from + step.length), axis + step.d / 2 * rs});
        from += step.length;
    }
    for (std::size_t i = s.steps.size(); i-- > 0;) {
        from -= s.steps[i].length;
        outline.points.push_back({at.X(from + s.steps[i].length), axis - s.steps[i].d / 2 * rs});
        outline.points.push_back({at.X(from), axis - s.steps[i].d / 2 * rs});
    }
    if (!outline.points.empty()) Add(sheet, Layer::Contour, std::move(outline));
    from = 0;
    for (std::size_t i = 0; i + 1 < s.steps.size(); ++i) {
        from += s.steps[i].length;
        const double r = std::min(s.steps[i].d, s.steps[i + 1].d) / 2 * rs;
        AddLine(sheet, Layer::Contour, {at.X(from), axis - r}, {at.X(from), axis + r});
    }
    AddLine(sheet, Layer::Axis, {at.X(0) - kAxisOverhang, axis},
            {at.X(length) + kAxisOverhang, axis});

    // Hinges on a common ground line, each reaction's resultant under its hinge, drawn the way
    // its component in the radial force's plane points (r positive downwards on the paper),
    // the text on the span's side of the arrow.
    double supportRadius = 0;
    for (const ShaftSupport& support : s.supports) {
        supportRadius = std::max(supportRadius, RadiusAt(s, support.x) * rs);
    }
    const double ground = axis - supportRadius - kSupportHeight;
    const double arrowTop = ground - kGroundStroke - kTextGap;
    const double arrowBottom = arrowTop - kReactionArrow;
    for (std::size_t i = 0; i < s.supports.size(); ++i) {
        const ShaftSupport& support = s.supports[i];
        const double x = at.X(support.x);
        const double apex = axis - RadiusAt(s, support.x) * rs;
        Add(sheet, Layer::Contour,
            Polyline{{{x, apex}, {x - kSupportHalfBase, ground}, {x + kSupportHalfBase, ground}},
                     true});
        AddLine(sheet, Layer::Thin, {x - kGroundHalf, ground}, {x + kGroundHalf, ground});
        for (double stroke = x - kGroundHalf + 2; stroke <= x + kGroundHalf; stroke += 2.5) {
            AddLine(sheet, Layer::Thin, {stroke, ground},
                    {stroke - kGroundStroke, ground - kGroundStroke});
        }
        if (support.Rr > 0) {
            AddArrow(sheet, {x, arrowTop}, {x, arrowBottom});
        } else {
            AddArrow(sheet, {x, arrowBottom}, {x, arrowTop});
        }
        const bool first = i == 0;
        const std::string name = first ? "R1 = " : "R2 = ";
        Add(sheet, Layer::Text,
            Within(Text{{first ? x + kTextGap + 0.5 : x - kTextGap - 0.5,
                         (arrowTop + arrowBottom) / 2},
                        name + ForceText(support.R),
                        kTextHeight,
                        first ? Anchor::MiddleLeft : Anchor::MiddleRight},
                   at.textLeft, at.textRight));
    }

    // The loads: their radial part as an arrow onto the shaft's surface, the gear's tangential
    // force across the drawing plane (⊗ away from the viewer, ⊙ towards), its axial force along
    // the surface; their texts stacked above the arrows.
    const double firstBaseline = labelsBottom + kTextGap + kDescent * kTextHeight;
    for (const ShaftLoad& load : s.loads) {
        const double x = at.X(load.x);
        const double surface = axis + RadiusAt(s, load.x) * rs;
        std::vector<std::string> lines;  // bottom up
        if (load.kind == LoadKind::EndLoad) {
            const double force = std::hypot(load.Fr, load.Ft);
            if (force == 0) continue;
            lines.push_back("Fк = " + ForceText(force));
        } else {
            lines.push_back("Fr = " + ForceText(load.Fr));
            lines.push_back("Ft = " + ForceText(load.Ft));
            if (load.Fa != 0) lines.push_back("Fa = " + ForceText(load.Fa));
            if (load.Ft != 0) {
                Add(sheet, Layer::Contour, Circle{{x, axis}, kMarkRadius});
                if (load.Ft > 0) {
                    const double d = kMarkRadius / std::sqrt(2.0);
                    AddLine(sheet, Layer::Thin, {x - d, axis - d}, {x + d, axis + d});
                    AddLine(sheet, Layer::Thin, {x - d, axis + d}, {x + d, axis - d});
                } else {
                    Add(sheet, Layer::Contour, Circle{{x, axis}, kMarkRadius / 4});
                }
            }
            if (load.Fa != 0) {
                const double sign = load.Fa > 0 ? 1 : -1;
                const double y = surface + kArrowHalfWidth + 1;
                AddArrow(sheet, {x + sign * 1.5, y}, {x + sign * (1.5 + kAxialArrow), y});
            }
        }
        // The radial part downwards when it points to the axis (positive r).
        if (load.Fr >= 0) {
            AddArrow(sheet, {x, tail}, {x, surface});
        } else {
            AddArrow(sheet, {x, surface}, {x, tail});
        }
        for (std::size_t line = 0; line < lines.size(); ++line) {
            Add(sheet, Layer::Text,
                Within(Text{{x, firstBaseline + static_cast<double>(line) * kLineStep},
                            lines[line],
                            kTextHeight,
                            Anchor::BottomCentre},
                       at.textLeft, at.textRight));
        }
    }

    // The distances between the end load, the supports and the gear, in the shaft's mm.
    std::vector<double> stations;
    for (const ShaftLoad& load : s.loads) {
        if (load.kind == LoadKind::Gear || std::hypot(load.Fr, load.Ft) > 0) {
            stations.push_back(load.x);
        }
    }
    for (const ShaftSupport& support : s.supports) stations.push_back(support.x);
    std::sort(stations.begin(), stations.end());
    stations.erase(std::unique(stations.begin(), stations.end()), stations.end());
    const double pointsY = arrowBottom - kTextGap;
    const double level = pointsY - kDimensionDrop;
    SheetPen pen(sheet, "scheme", ViewFrame{{at.left, axis}, at.scale});
    const double partY = (pointsY - axis) / at.scale;
    for (std::size_t i = 0; i + 1 < stations.size(); ++i) {
        pen.HorizontalDimension({stations[i], partY}, {stations[i + 1], partY}, level,
                                SizeText(stations[i + 1] - stations[i]));
    }
    return level - kExtensionOverrun;
}

// The highest (`up`) or lowest paper y of an open polyline over paper x from `left` to `right`.
double CurveReach(const std::vector<Point>& curve, double left, double right, bool up) {
    double reach =
        up ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    const auto take = [&](double y) { reach = up ? std::max(reach, y) : std::min(reach, y); };
    for (std::size_t i = 0; i + 1 < curve.size(); ++i) {
        const Point a = curve[i];
        const Point b = curve[i + 1];
        const double lo = std::max(left, std::min(a.x, b.x));
        const double hi = std::min(right, std::max(a.x, b.x));
        if (lo > hi) continue;
        if (a.x == b.x) {
            take(a.y);
            take(b.y);
            continue;
        }
        for (double x : {lo, hi}) take(a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x));
    }
    return reach;
}

// Consecutive stations whose value is written alike: at one x (a jump of another diagram), or
// equal along a stretch (the torque between its loads). Written once.
struct ValueRun {
    std::size_t first = 0;
    std::size_t last = 0;
    std::string text;
};

std::vector<ValueRun> ValueRuns(const std::vector<DiagramStation>& stations,
                                double DiagramStation::*value) {
    std::vector<ValueRun> runs;
    for (std::size_t i = 0; i < stations.size(); ++i) {
        const double v = stations[i].*value;
        std::string text = MomentText(v);
        if (!runs.empty() && runs.back().text == text) {
            const DiagramStation& previous = stations[runs.back().last];
            if (previous.x == stations[i].x || previous.*value == v) {
                runs.back().last = i;
                continue;
            }
        }
        runs.push_back({i, i, std::move(text)});
    }
    return runs;
}

struct DiagramBand {
    const char* caption;
    double DiagramStation::*value;
};

constexpr DiagramBand kDiagrams[] = {
    {"Mr, Н·м", &DiagramStation::Mr},
    {"Mt, Н·м", &DiagramStation::Mt},
    {"M, Н·м", &DiagramStation::M},
    {"T, Н·м", &DiagramStation::T},
};

// One diagram between paper heights `bottom` and `top`: its own value scale, the zero line, the
// closed outline through the stations with thin vertical lines inside, the caption left of the
// shaft's start and the value of every station that differs from zero beside the curve,
// positive ones above it, negative ones below.
void DrawDiagram(Sheet& sheet, const ShaftDesign& s, const FigurePlaces& at,
                 const DiagramBand& band, double bottom, double top, int levels) {
    const std::vector<DiagramStation>& stations = s.diagram;
    const double length = ShaftLength(s);
    double high = 0;
    double low = 0;
    for (const DiagramStation& station : stations) {
        high = std::max(high, station.*band.value);
        low = std::min(low, station.*band.value);
    }
    // Room for the values beside the curve, and at least for the caption on the zero line.
    const double room = levels * kValueLine;
    const double curveTop = top - (high > 0 ? room : kCaptionHalf);
    const double curveBottom = bottom + (low < 0 ? room : kCaptionHalf);
    const double k = high > low ? (curveTop - curveBottom) / (high - low) : 0;
    const double zero = high > low ? curveBottom - low * k : (top + bottom) / 2;
    const auto y = [&](double v) { return zero + v * k; };

    AddLine(sheet, Layer::Thin, {at.X(0), zero}, {at.X(length), zero});
    Add(sheet, Layer::Text, Text{{kMargin, zero}, band.caption, kTextHeight, Anchor::MiddleLeft});
    if (stations.empty()) return;

    std::vector<Point> curve;
    curve.push_back({at.X(stations.front().x), zero});
    for (const DiagramStation& station : stations) {
        curve.push_back({at.X(station.x), y(station.*band.value)});
    }
    curve.push_back({at.X(stations.back().x), zero});
    for (double x = curve.front().x + kHatchStep / 2; x < curve.back().x; x += kHatchStep) {
        const double reach = CurveReach(curve, x, x, true);
        const double depth = CurveReach(curve, x, x, false);
        const double end = std::fabs(reach - zero) > std::fabs(depth - zero) ? reach : depth;
        if (std::fabs(end - zero) > 0.5) AddLine(sheet, Layer::Thin, {x, zero}, {x, end});
    }
    Add(sheet, Layer::Contour, Polyline{curve, true});

    const std::vector<ValueRun> runs = ValueRuns(stations, band.value);
    std::vector<Box> placed;
    for (std::size_t r = 0; r < runs.size(); ++r) {
        const ValueRun& run = runs[r];
        const double v = stations[run.first].*band.value;
        if (run.text == MomentText(0)) continue;
        const double xFirst = stations[run.first].x;
        const double xLast = stations[run.last].x;
        Text text{{at.X((xFirst + xLast) / 2), 0}, run.text, kTextHeight, Anchor::BottomCentre};
        if (xFirst == xLast) {
            // At a jump the value left of it stands left of the x, the one right of it right.
            if (r > 0 && stations[runs[r - 1].last].x == xFirst) {
                text.at.x = at.X(xFirst) + kTextGap;
                text.anchor = Anchor::BottomLeft;
            } else if (r + 1 < runs.size() && stations[runs[r + 1].first].x == xFirst) {
                text.at.x = at.X(xFirst) - kTextGap;
                text.anchor = Anchor::BottomRight;
            }
        }
        text = Within(text, at.X(0), at.textRight);
        const Box across = ItemBox(Item{Layer::Text, text});
        const bool up = v > 0;
        const double reach = CurveReach(curve, across.left, across.right, up);
        // The nearest line beside the curve that no value already takes; the nearest one when
        // every line is taken (the figure then goes onto the larger sheet).
        Text best = text;
        for (int level = levels - 1; level >= 0; --level) {
            Text trial = text;
            trial.at.y = up ? reach + kTextGap + kDescent * kTextHeight + level * kValueLine
                            : reach - kTextGap - kTextHeight - level * kValueLine;
            const Box box = Spaced(ItemBox(Item{Layer::Text, trial}));
            const bool free = std::none_of(placed.begin(), placed.end(),
                                           [&](const Box& other) { return box.Overlaps(other); });
            if (free || level == 0) best = trial;
        }
        placed.push_back(Spaced(ItemBox(Item{Layer::Text, best})));
        Add(sheet, Layer::Text, std::move(best));
    }
}

Sheet BuildFigure(const ShaftDesign& s, const FigureFormat& format) {
    Sheet sheet;
    sheet.format = format.name;
    sheet.widthMm = format.width;
    sheet.heightMm = format.height;
    const bool input = s.shaft == Shaft::Input;
    sheet.title = input ? "Входной вал" : "Выходной вал";
    sheet.items.reserve(512);

    FigurePlaces at;
    at.left = kMargin + kCaptionColumn;
    at.scale = (format.width - kMargin - kRightRoom - at.left) / ShaftLength(s);
    at.textLeft = kMargin;
    at.textRight = format.width - kMargin;
    // The diameters at the length's scale, unless the shaft would be too thin to read or too
    // thick for its band.
    const double largest = 2 * LargestRadius(s);
    at.radiusScale = at.scale;
    if (largest > 0) {
        at.radiusScale =
            std::clamp(at.scale, format.shaftHeight / 3 / largest, format.shaftHeight / largest);
    }

    std::string title = sheet.title;
    if (s.gearShaft) title += " (вал-шестерня)";
    title += ": n = " + DecimalText(s.speed, 1) + " мин⁻¹, T = " + MomentText(s.torque) + " Н·м";
    const double titleBaseline = format.height - kMargin - kTitleHeight;
    Add(sheet, Layer::Text,
        Text{{format.width / 2, titleBaseline}, title, kTitleHeight, Anchor::BottomCentre});

    const double schemeBottom = DrawScheme(sheet, s, at, format.height - kMargin - kTitleBand);
    const double bandsTop = schemeBottom - kBandGap;
    const double bandHeight = (bandsTop - kMargin - 3 * kBandGap) / 4;
    for (int i = 0; i < 4; ++i) {
        const double top = bandsTop - i * (bandHeight + kBandGap);
        DrawDiagram(sheet, s, at, kDiagrams[i], top - bandHeight, top, format.valueLevels);
    }
    return sheet;
}

// Everything inside the sheet and no two texts closer than the clearance.
bool Fits(const Sheet& sheet) {
    const Box paper{0, 0, sheet.widthMm, sheet.heightMm};
    std::vector<Box> texts;
    for (const Item& item : sheet.items) {
        for (const Item& plain : PlainItems(item)) {
            const Box box = ItemBox(plain);
            if (!paper.Contains(box)) return false;
            if (std::holds_alternative<Text>(plain.shape)) texts.push_back(Spaced(box));
        }
    }
    for (std::size_t i = 0; i < texts.size(); ++i) {
        for (std::size_t j = i + 1; j < texts.size(); ++j) {
            if (texts[i].Overlaps(texts[j])) return false;
        }
    }
    return true;
}

}  // namespace

Sheet ShaftFigure(const ShaftDesign& shaft) {
    Sheet sheet = BuildFigure(shaft, kA4);
    return Fits(sheet) ? sheet : BuildFigure(shaft, kA3);
}

ShaftFigureFiles WriteShaftFigures(const ShaftsDesign& shafts, const std::string& dir) {
    ShaftFigureFiles files;
    try {
        DraftingFont();  // a missing font fails before any file
        MakeDirectories(dir);
        const std::pair<const char*, const ShaftDesign*> figures[] = {{"input", &shafts.input},
                                                                      {"output", &shafts.output}};
        for (const auto& [name, shaft] : figures) {
            const Sheet sheet = ShaftFigure(*shaft);
            const std::string stem = FileInFolder(dir, name);
            WritePdf(sheet, stem + ".pdf");
            files.written.push_back(stem + ".pdf");
            WriteSvg(sheet, stem + ".svg");
            files.written.push_back(stem + ".svg");
        }
    } catch (const Error& e) {
        files.error = e.what();
    }
    return files;
}

}  // namespace gearpair
