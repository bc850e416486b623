// The gear shaft's sheet: the main view of the whole shaft (ГОСТ 2.305) with the diameters on
// their steps and the lengths as a chain from the left end below it (ГОСТ 2.307), the keyway
// of the shaft end in the view and in the removed section А–А, the parameter table, the
// requirements and the title block; format and scale chosen as for a gear's sheet.
#include "drawing/shaft_sheet.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "core/decimal_text.h"
#include "drawing/drawing_texts.h"
#include "drawing/sheet_expand.h"
#include "drawing/sheet_format.h"
#include "drawing/sheet_pen.h"
#include "engine/masses.h"
#include "engine/tolerances.h"

namespace gearpair {

namespace {

// Paper mm (ГОСТ 2.307: the first dimension line at least 10 mm from the contour, 7 mm between
// parallel ones); a rotated text takes its height and gap beside its line.
constexpr double kFirstLevel = 10;
constexpr double kLevelStep = 7;
constexpr double kTextRoom = 6;
constexpr double kAxisOverhang = 5;
constexpr double kHatchSpacing = 2;
// The cutting plane's strokes (ГОСТ 2.303 open line, 8 to 20 mm), their arrows and letters
// (ГОСТ 2.305 labels a section by a capital letter), and the section's label, paper mm.
constexpr double kStrokeGap = 2;
constexpr double kStrokeLength = 8;
constexpr double kStrokeWidth = 0.75;
constexpr double kSectionArrow = 6;
constexpr double kLetterHeight = 5;
// The letter stands this far from the arrow's line, clear of its own descent.
constexpr double kLetterGap = 2.5;
constexpr double kLetterRoom = kStrokeGap + kStrokeLength + kLetterGap + kLetterHeight + 2;
constexpr double kSectionGap = 10;
// Above the section's circle the keyway width's dimension and the label; below it the axis.
constexpr double kSectionAbove = kFirstLevel + kTextRoom + 2 + kLetterHeight;
constexpr double kSectionRoom = kSectionGap + kSectionAbove + kAxisOverhang;
constexpr const char* kSectionLetter = "А";
// Points of the section's circle.
constexpr int kCircleSegments = 96;

double TextLength(const std::string& text) {
    return TextWidth(text, kTextHeight);
}

// The steps with their left ends, part mm from the shaft's left end.
struct PlacedStep {
    ShaftStep step;
    double x = 0;
};

std::vector<PlacedStep> Place(const std::vector<ShaftStep>& steps) {
    std::vector<PlacedStep> placed;
    double x = 0;
    for (const ShaftStep& step : steps) {
        placed.push_back({step, x});
        x += step.length;
    }
    return placed;
}

double Length(const std::vector<PlacedStep>& steps) {
    return steps.empty() ? 0 : steps.back().x + steps.back().step.length;
}

double LargestDiameter(const std::vector<PlacedStep>& steps) {
    double d = 0;
    for (const PlacedStep& s : steps) d = std::max(d, s.step.d);
    return d;
}

// The key of the shaft end, if it has one of the table.
std::optional<ShaftKey> EndKey(const ShaftDesign& shaft) {
    for (const ShaftKeyAt& key : shaft.keys) {
        if (key.at == StepKind::End && key.key.b > 0 && key.key.l > 0) return key.key;
    }
    return std::nullopt;
}

// The keyway lies in the middle of the shaft end.
double KeywayStart(const PlacedStep& end, const ShaftKey& key) {
    return end.x + (end.step.length - key.l) / 2;
}

std::string DiameterOf(const ShaftStep& step, const GearPart& teeth) {
    if (step.kind == StepKind::Bearing) return BearingSeatText(step.d);
    if (step.kind == StepKind::Teeth) return TipDiameterText(teeth.tip, 2);
    return DiameterText(step.d);
}

// A step's diameter is written on its own dimension line across the step, in its upper half,
// where the text fits there clear of the axis and the contour and the step is long enough
// for the text beside the line; else on the line carried on above the contour. The teeth have
// their root and pitch lines inside: always above.
bool TextInside(const ShaftStep& step, const std::string& text, double scale) {
    if (step.kind == StepKind::Teeth) return false;
    return TextLength(text) + 4 <= step.d / 2 * scale &&
           step.length * scale >= 2 * (kTextHeight + kDimensionTextGap + 1);
}

// The chain's links whose text does not fit between their extension lines go one level down.
bool LinkFits(double length, double scale) {
    return TextLength(SizeText(length)) + 2 <= length * scale;
}

struct Room {
    double left = 0;       // paper mm left of the shaft's end
    double right = 0;      // right of its other end
    double above = 0;      // above the largest diameter
    double below = 0;      // below it, the section's circle aside
    double viewBelow = 0;  // of that, the main view's dimensions
    int chainLevels = 1;
};

Room RoomOf(const std::vector<PlacedStep>& steps, const GearPart& teeth,
            const std::optional<ShaftKey>& key, double scale) {
    Room room;
    room.left = kFirstLevel + kTextRoom;
    room.right = kAxisOverhang + 2;
    // The texts carried on above the contour, the tip chamfer's shelf, the cutting plane's
    // letters and the keyway's two dimensions.
    double above = kAxisOverhang;
    for (const PlacedStep& s : steps) {
        const std::string text = DiameterOf(s.step, teeth);
        if (s.x > 0 && !TextInside(s.step, text, scale)) {
            above = std::max(above, kArrowLength + 2 + TextLength(text) + 1);
        }
    }
    above = std::max(above, kTextRoom + kDimensionTextGap + kTextHeight + 1);
    if (key) above = std::max(above, kLetterRoom + kLevelStep + kTextRoom);
    room.above = above;
    bool shortLinks = false;
    for (const PlacedStep& s : steps) shortLinks = shortLinks || !LinkFits(s.step.length, scale);
    room.chainLevels = shortLinks ? 3 : 2;
    room.below = kFirstLevel + kLevelStep * (room.chainLevels - 1) + kTextRoom;
    if (key) room.below = std::max(room.below, kLetterRoom + kLevelStep * room.chainLevels);
    // The section: its label, the width's dimension above it, its axes below.
    room.viewBelow = room.below;
    if (key) room.below += kSectionRoom;
    return room;
}

ViewsExtent ExtentOf(const ShaftDesign& shaft, const GearPart& teeth, double scale) {
    const std::vector<PlacedStep> steps = Place(shaft.steps);
    const std::optional<ShaftKey> key = EndKey(shaft);
    const Room room = RoomOf(steps, teeth, key, scale);
    ViewsExtent extent;
    extent.partWidth = Length(steps);
    extent.partHeight = LargestDiameter(steps) + (key ? key->d : 0);
    extent.paperWidth = room.left + room.right;
    extent.paperHeight = room.above + room.below;
    extent.paperBelow = room.below;
    return extent;
}

// The outline of the upper half, left to right: each step at its radius, the teeth at the tip
// with the tip chamfers.
std::vector<Point> UpperOutline(const std::vector<PlacedStep>& steps, const GearPart& teeth) {
    std::vector<Point> outline;
    for (const PlacedStep& s : steps) {
        const double r = s.step.d / 2;
        const double x1 = s.x + s.step.length;
        const double n = s.step.kind == StepKind::Teeth ? teeth.TipChamfer() : 0;
        outline.push_back({s.x, r - n});
        if (n > 0) {
            outline.push_back({s.x + n, r});
            outline.push_back({x1 - n, r});
        }
        outline.push_back({x1, r - n});
    }
    return outline;
}

void DrawShaftView(SheetPen& pen, const std::vector<PlacedStep>& steps, const GearPart& teeth,
                   const std::optional<ShaftKey>& key) {
    const double length = Length(steps);
    std::vector<Point> outline = UpperOutline(steps, teeth);
    const std::size_t upper = outline.size();
    for (std::size_t i = upper; i-- > 0;) outline.push_back({outline[i].x, -outline[i].y});
    pen.DrawPolygon(Layer::Contour, outline);
    // The shoulders' edges across the smaller step, the teeth's chamfer edges, root lines thin
    // (a view), pitch lines dash-dot.
    for (std::size_t i = 1; i < steps.size(); ++i) {
        const double r = std::min(steps[i - 1].step.d, steps[i].step.d) / 2;
        pen.DrawLine(Layer::Contour, {steps[i].x, -r}, {steps[i].x, r});
    }
    for (const PlacedStep& s : steps) {
        if (s.step.kind != StepKind::Teeth) continue;
        const double x1 = s.x + s.step.length;
        const double n = teeth.TipChamfer();
        if (n > 0) {
            pen.DrawLine(Layer::Contour, {s.x + n, -s.step.d / 2}, {s.x + n, s.step.d / 2});
            pen.DrawLine(Layer::Contour, {x1 - n, -s.step.d / 2}, {x1 - n, s.step.d / 2});
        }
        for (double sign : {1.0, -1.0}) {
            pen.DrawLine(Layer::Thin, {s.x, sign * teeth.root / 2}, {x1, sign * teeth.root / 2});
            pen.DrawAxis({s.x, sign * teeth.pitch / 2}, {x1, sign * teeth.pitch / 2}, 2);
        }
    }
    pen.DrawAxis({0, 0}, {length, 0}, kAxisOverhang);
    if (!key) return;
    // The keyway of a type A key seen from above: two lines and the rounded ends.
    const double a = KeywayStart(steps.front(), *key);
    const double h = key->b / 2;
    pen.DrawLine(Layer::Contour, {a + h, h}, {a + key->l - h, h});
    pen.DrawLine(Layer::Contour, {a + h, -h}, {a + key->l - h, -h});
    pen.DrawArc({a + h, 0}, h, 90, 270);
    pen.DrawArc({a + key->l - h, 0}, h, -90, 90);
}

// A diameter on its own line across the step at `x`.
void StepDiameter(Sheet& sheet, SheetPen& pen, const ShaftStep& step, double x,
                  const std::string& text, double scale) {
    const ViewFrame& f = pen.Frame();
    const double r = step.d / 2;
    pen.VerticalDimension({x, -r}, {x, r}, f.ToPaper({x, 0}).x, text);
    Dimension& d = std::get<Dimension>(sheet.items.back().shape);
    d.extensionLines = false;
    d.arrowsOutside = false;
    const double half = r * scale;
    d.textShift =
        TextInside(step, text, scale) ? half / 2 : half + kArrowLength + 2 + TextLength(text) / 2;
}

void DimensionShaft(Sheet& sheet, SheetPen& pen, const std::vector<PlacedStep>& steps,
                    const GearPart& teeth, const std::optional<ShaftKey>& key, double scale) {
    const ViewFrame& f = pen.Frame();
    const double length = Length(steps);
    const double largest = LargestDiameter(steps);
    const PlacedStep& end = steps.front();
    const double endTop = f.origin.y + end.step.d / 2 * scale;
    // The shaft end's diameter left of its face; every other diameter on its step.
    pen.VerticalDimension({0, -end.step.d / 2}, {0, end.step.d / 2}, f.origin.x - kFirstLevel,
                          DiameterText(end.step.d));
    for (std::size_t i = 1; i < steps.size(); ++i) {
        const PlacedStep& s = steps[i];
        StepDiameter(sheet, pen, s.step, s.x + s.step.length / 2, DiameterOf(s.step, teeth), scale);
    }
    // The teeth's tip chamfer on a leader up to the left from the toothed step's right end, its
    // shelf above the largest step (a collar beside the teeth may be larger than their tip).
    for (const PlacedStep& s : steps) {
        const double n = teeth.TipChamfer();
        if (s.step.kind != StepKind::Teeth || n <= 0) continue;
        const double x1 = s.x + s.step.length;
        const Point corner = f.ToPaper({x1, s.step.d / 2});
        const double shelfY = std::max(corner.y, f.origin.y + largest / 2 * scale) + kTextRoom;
        pen.Leader({x1 - n / 2, s.step.d / 2 - n / 2}, {corner.x - kTextRoom, shelfY},
                   ChamferText(n), true);
    }
    // Lengths: a chain from the left end below the view, the links too short for their text one
    // level lower, and the overall length for reference under them. Each extension line leaves
    // the larger of the two steps at a shoulder.
    const double bottom = f.origin.y - largest / 2 * scale;
    double chain = bottom - kFirstLevel;
    if (key)
        chain = std::min(chain, f.origin.y - end.step.d / 2 * scale - kLetterRoom - kLevelStep);
    bool shortLinks = false;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const PlacedStep& s = steps[i];
        const double x1 = s.x + s.step.length;
        const double left = i > 0 ? std::max(steps[i - 1].step.d, s.step.d) : s.step.d;
        const double right =
            i + 1 < steps.size() ? std::max(steps[i + 1].step.d, s.step.d) : s.step.d;
        const bool fits = LinkFits(s.step.length, scale);
        shortLinks = shortLinks || !fits;
        pen.HorizontalDimension({s.x, -left / 2}, {x1, -right / 2},
                                fits ? chain : chain - kLevelStep, SizeText(s.step.length));
    }
    const double overall = chain - kLevelStep * (shortLinks ? 2 : 1);
    pen.HorizontalDimension({0, -end.step.d / 2}, {length, -steps.back().step.d / 2}, overall,
                            SizeText(length) + "*");
    if (!key) return;
    // The keyway's place from the end face and its length above the shaft end; the cutting
    // plane А–А through its middle, looked at from the right.
    const double a = KeywayStart(end, *key);
    const double level = endTop + kLetterRoom + 1;
    pen.HorizontalDimension({0, end.step.d / 2}, {a, 0}, level, SizeText(a));
    pen.HorizontalDimension({a, 0}, {a + key->l, 0}, level + kLevelStep, SizeText(key->l));
    const double xm = f.ToPaper({a + key->l / 2, 0}).x;
    for (double sign : {1.0, -1.0}) {
        const double from = f.origin.y + sign * (end.step.d / 2 * scale + kStrokeGap);
        const double to = from + sign * kStrokeLength;
        Polyline stroke;
        stroke.points = {{xm - kStrokeWidth / 2, from},
                         {xm + kStrokeWidth / 2, from},
                         {xm + kStrokeWidth / 2, to},
                         {xm - kStrokeWidth / 2, to}};
        stroke.closed = true;
        stroke.filled = true;
        pen.Add(Layer::Contour, std::move(stroke));
        pen.PaperLine(Layer::Thin, {xm, to}, {xm - kSectionArrow, to});
        pen.Arrow({xm - kSectionArrow, to}, {-1, 0});
        const double letter = sign > 0 ? to + kLetterGap : to - kLetterGap - kLetterHeight;
        pen.PaperText({xm - kSectionArrow / 2, letter}, kSectionLetter, kLetterHeight,
                      Anchor::BottomCentre);
    }
}

// The section А–А through the keyway: the shaft end's circle with the keyway cut from its top,
// hatched, with the keyway's width and the depth from the far side d - t1.
void DrawKeySection(Sheet& sheet, Point centre, double scale, const ShaftKey& key) {
    SheetPen pen(sheet, "section A-A", ViewFrame{centre, scale});
    const double r = key.d / 2;
    const double h = key.b / 2;
    const double corner = std::sqrt(r * r - h * h);
    const double start = std::atan2(corner, h);
    const double sweep = std::numbers::pi + 2 * start;  // clockwise round the bottom
    std::vector<Point> outline;
    for (int i = 0; i <= kCircleSegments; ++i) {
        const double t = start - sweep * i / kCircleSegments;
        outline.push_back({r * std::cos(t), r * std::sin(t)});
    }
    outline.push_back({-h, r - key.t1});
    outline.push_back({h, r - key.t1});
    pen.DrawPolygon(Layer::Contour, outline);
    pen.Hatch({outline}, kHatchSpacing);
    pen.DrawAxis({-r, 0}, {r, 0}, kAxisOverhang - 2);
    pen.DrawAxis({0, -r}, {0, r}, kAxisOverhang - 2);
    const double top = centre.y + r * scale;
    pen.HorizontalDimension({-h, corner}, {h, corner}, top + kFirstLevel,
                            ShaftKeywayWidthText(key.b));
    pen.VerticalDimension({0, -r}, {h, r - key.t1}, centre.x + r * scale + kFirstLevel,
                          ShaftKeywayDepthText(key.d - key.t1, key.h));
    pen.PaperText({centre.x, top + kSectionAbove - kLetterHeight},
                  std::string(kSectionLetter) + "–" + kSectionLetter, kLetterHeight,
                  Anchor::BottomCentre);
}

}  // namespace

std::string BearingSeatText(double d) {
    // ISO 286-1 k6 needs IT6 and the fundamental deviation of k, which the tolerance table does
    // not hold: the field alone.
    return DiameterText(d) + "k6";
}

std::string ShaftKeywayWidthText(double b) {
    // ГОСТ 23360-78: the shaft's keyway N9 in a normal connection. ISO 286-1:2010, Table 3:
    // the upper deviation of N above grade 8 is 0 over 3 mm and -4 µm up to 3 mm; the lower
    // one is that less IT9.
    const std::string size = SizeText(b) + "N9";
    const std::optional<int> it9 = StandardTolerance(ToleranceGrade::IT9, b);
    if (!it9) return size;
    const int upper = b > 3 ? 0 : -4;
    return WithDeviations(size, {upper, upper - *it9}, 3, true);
}

std::string ShaftKeywayDepthText(double depth, double keyHeight) {
    // ГОСТ 23360-78: d - t1 carries the depth's deviation of the key's height, minus.
    const std::optional<LimitDeviations> deviation = HubDepthDeviation(keyHeight);
    if (!deviation) return SizeText(depth);
    return WithDeviations(SizeText(depth), {-deviation->lower, -deviation->upper}, 1, false);
}

double GearShaftMass(const ShaftDesign& shaft, const GearPart& teeth) {
    double volume = 0;
    for (const ShaftStep& step : shaft.steps) {
        if (step.kind == StepKind::Teeth && teeth.face > 0) {
            volume += PartVolume(teeth) * step.length / teeth.face;
        } else {
            volume += std::numbers::pi / 4 * step.d * step.d * step.length;
        }
    }
    for (const ShaftKeyAt& at : shaft.keys) {
        const ShaftKey& key = at.key;
        if (key.b <= 0 || key.l <= 0) continue;
        const double area = (key.l - key.b) * key.b + std::numbers::pi / 4 * key.b * key.b;
        volume -= key.count * area * key.t1;
    }
    return std::round(SteelMass(volume) * 1e6) / 1e6;
}

std::vector<std::string> GearShaftRequirements(const ShaftDesign& shaft) {
    // The fillet at a bearing's shoulder clears the ring's chamfer r (ГОСТ 8338-75) only when
    // it is not larger: r itself is the largest, the one the shafts' fatigue check takes.
    return {"Неуказанные радиусы галтелей " + SizeText(shaft.bearings[0].bearing.r) + " мм",
            "Центровые отверстия по ГОСТ 14034-74", "* Размеры для справок"};
}

Sheet BuildGearShaftSheet(const ShaftSheetContent& content) {
    const std::vector<PlacedStep> steps = Place(content.shaft.steps);
    const std::optional<ShaftKey> key = EndKey(content.shaft);
    const std::vector<std::string> lines = RequirementLines(content.requirements);
    const SheetFurniture furniture{TableLineCount(content.table), static_cast<int>(lines.size())};
    // The room beside the views depends on the scale only through the texts that leave their
    // steps: measured at 1:1, then again at the scale chosen.
    const double largest = LargestDiameter(steps);
    SheetLayout layout =
        ChooseLayout(ExtentOf(content.shaft, content.teeth, 1), largest, furniture)
            .value_or(SheetLayout{kSheetFormats.back(), kDrawingScales.back(), Box{}});
    if (auto again = ChooseLayout(ExtentOf(content.shaft, content.teeth, layout.scale.factor),
                                  largest, furniture)) {
        layout = *again;
    }
    const double scale = layout.scale.factor;
    Box frame;
    Sheet sheet =
        StartPartSheet(layout.format, layout.scale.text, content.title, content.table, frame);
    DrawRequirements(sheet, frame, lines);

    const ViewsExtent extent = ExtentOf(content.shaft, content.teeth, scale);
    const Room room = RoomOf(steps, content.teeth, key, scale);
    const Box& area = layout.viewsArea;
    const double left = area.left + (area.Width() - extent.Width(scale)) / 2 + room.left;
    const double top = area.top - (area.Height() - extent.Height(scale)) / 2;
    const double axisY = top - room.above - largest / 2 * scale;
    SheetPen pen(sheet, "view", ViewFrame{{left, axisY}, scale});
    DrawShaftView(pen, steps, content.teeth, key);
    DimensionShaft(sheet, pen, steps, content.teeth, key, scale);
    if (key) {
        // Under the keyway, below the chain of lengths.
        const double r = key->d / 2 * scale;
        const double x = (KeywayStart(steps.front(), *key) + key->l / 2) * scale;
        const Point centre{
            left + std::max(r + kAxisOverhang, x),
            axisY - largest / 2 * scale - room.viewBelow - kSectionGap - kSectionAbove - r};
        DrawKeySection(sheet, centre, scale, *key);
    }
    return sheet;
}

}  // namespace gearpair
