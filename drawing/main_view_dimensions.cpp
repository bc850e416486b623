// The main view's dimensions and roughness marks, placed in levels from the contour
// (ГОСТ 2.307).
#include "drawing/main_view_dimensions.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "drawing/drawing_texts.h"
#include "drawing/gear_view_layout.h"
#include "drawing/local_view.h"
#include "drawing/sheet_expand.h"

namespace gearpair::gear_views {

namespace {

// Where the bore's diameter is dimensioned. Left of the view it would sit inside the hub's and
// the tip's dimensions, with no way out for a text too long for its line; so it goes to the
// local view, where the bore is a circle, or right of a solid part, where nothing else stands.
// Only a keyless bore in a web stays in the chain on the left.
enum class BorePlace { None, LocalView, Right, Left };

BorePlace WhereBore(const DrawnGear& g) {
    if (!g.dimensioned || g.GearShaft()) return BorePlace::None;
    if (HasLocalView(g)) return BorePlace::LocalView;
    return g.part.web ? BorePlace::Left : BorePlace::Right;
}

int LeftLevels(const DrawnGear& g) {
    if (!g.dimensioned) return 0;
    if (g.GearShaft()) return 2;
    return 1 + (g.part.HasHub() ? 1 : 0) + (WhereBore(g) == BorePlace::Left ? 1 : 0);
}

int RightLevels(const DrawnGear& g) {
    if (!g.dimensioned || g.GearShaft()) return 0;
    if (g.part.web) return 2;
    return WhereBore(g) == BorePlace::Right ? 1 : 0;
}

double LevelsMargin(int levels) {
    return levels == 0 ? kAxisOverhang + 2 : kFirstLevel + kLevelStep * (levels - 1) + kTextRoom;
}

// Where the web's position from the left hub face and its thickness are dimensioned inside
// the lower half's empty space between hub and rim, so that no extension line crosses the rim:
// the radius of their line, in the taller of the two spaces that the hole circle's extension
// line leaves between hub and rim, the text towards the axis. Nothing where the space or the
// texts do not fit at the scale; the chain then goes below the view.
std::optional<double> WebChainRadius(const DrawnGear& g, double scale) {
    const GearPart& p = g.part;
    if (!g.dimensioned || g.GearShaft() || !p.web) return std::nullopt;
    const double l = HalfLength(g);
    const double c = p.webThickness / 2;
    // Paper: the line with the text above it and 1 mm clear on both sides.
    const double block = kDimensionTextGap + kTextHeight;
    const double hub = p.hubDiameter / 2;
    const double holes = p.holeCircle / 2;
    const double rim = p.rimInner / 2;
    const bool inner = holes - hub >= rim - holes;
    const double low = inner ? hub : holes;
    const double high = inner ? holes : rim;
    if ((high - low) * scale < block + 2) return std::nullopt;
    // Paper between a hub face and the web: the position between its arrows, the thickness's
    // text beyond its right arrow.
    const double side = (l - c) * scale;
    if (side < std::max(TextLength(SizeText(l - c)) + 2, 2 * kArrowLength + 1) ||
        side < 2 * kArrowLength + 2 + TextLength(SizeText(p.webThickness))) {
        return std::nullopt;
    }
    return (low + high) / 2 + block / 2 / scale;
}

// A hub face's roughness mark on a leader from its extension line leaves it this far below the
// view (paper mm), between the view and the hub length's dimension line.
constexpr double kEndMarkDrop = 2;
// The paper that mark takes below the view: its shelf and the parameter under it.
constexpr double kEndMarkBelow = kEndMarkDrop + kMarkRun + kTextHeight + 3;

// Paper right of the view that mark takes.
double EndMarkOnLeaderRoom() {
    return kMarkRun + MarkLength(kEndFaceRa) + 1;
}

// The lowest stretch of `length` paper mm between `low` and `high` that keeps 0,5 mm from
// every line in `crossings`; its bottom, or nothing.
std::optional<double> LowestFreeStretch(double low, double high, std::vector<double> crossings,
                                        double length) {
    constexpr double kClear = 0.5;
    std::sort(crossings.begin(), crossings.end());
    double start = low;
    for (double y : crossings) {
        if (y + kClear <= start) continue;
        if (y - kClear >= start + length) break;
        start = y + kClear;
    }
    if (start + length > high) return std::nullopt;
    return start;
}

// The hub's end faces' roughness (the datum faces, Ra 3,2): each sign stands on its face's
// line below the axis (the face's contour, below the hub its extension line), turned towards
// the outside, in the lowest stretch that no extension line crosses on its side and, right of a
// solid part, below the bore's datum. Paper heights from the axis.
void EndFaceMarks(SheetPen& pen, const DrawnGear& g, double datumDepth) {
    const GearPart& p = g.part;
    const ViewFrame& f = pen.Frame();
    const double s = f.scale;
    const double b = p.face / 2;
    const double l = HalfLength(g);
    const std::string text = RoughnessText(kEndFaceRa);
    const double reach = RoughnessShelfReach(text);
    const double back = RoughnessBackReach();
    // The sign's tip on the line, which ends at the bore; the sign itself may reach on towards
    // the axis where no line crosses.
    const double low = -p.tip / 2 * s + (l > b ? 0 : Chamfer(p) * s) + 1;
    const double lineEnd = -p.bore / 2 * s;
    std::vector<double> left;
    if (p.HasHub()) left.push_back(-p.hubDiameter / 2 * s);
    if (WhereBore(g) == BorePlace::Left) left.push_back(lineEnd);
    const auto leftAt = LowestFreeStretch(low, -0.5, left, back + reach);
    if (leftAt && *leftAt + back <= lineEnd) {
        DrawRoughnessSignOnVertical(pen, {f.origin.x - l * s, f.origin.y + *leftAt + back}, text,
                                    true);
    }
    std::vector<double> right;
    if (p.web) {
        right.push_back(-p.holeCircle / 2 * s);
        right.push_back(-p.rimInner / 2 * s);
    }
    const double rightHigh = datumDepth > 0 ? lineEnd - datumDepth : -0.5;
    const auto rightAt = LowestFreeStretch(low, rightHigh, right, back + reach);
    if (rightAt && *rightAt + reach <= lineEnd) {
        DrawRoughnessSignOnVertical(pen, {f.origin.x + l * s, f.origin.y + *rightAt + reach}, text,
                                    false);
        return;
    }
    // Else on a leader from the face's line at the bottom of the view (below a hub its extension
    // line) to a shelf right of it, where no web chain stands below the view.
    if ((p.web && !WebChainRadius(g, s)) || RightMargin(g) < EndMarkOnLeaderRoom()) return;
    const double top = p.tip / 2;
    const Point target{l, l > b ? -top - kEndMarkDrop / s : -top + Chamfer(p) + 1 / s};
    const Point onPaper = f.ToPaper(target);
    const Point shelf{onPaper.x + kMarkRun, f.origin.y - top * s - kEndMarkDrop - kMarkRun};
    // Clear of the bore's datum above it.
    if (shelf.y + kRoughnessSignHeight + 1 > f.origin.y + lineEnd - datumDepth) return;
    RoughnessOnLeader(pen, target, shelf, text, false);
}

}  // namespace

double LeftMargin(const DrawnGear& g) {
    double margin = LevelsMargin(LeftLevels(g));
    if (g.dimensioned) {
        margin = std::max({margin, kShelfRun + TextLength(ChamferText(g.part.chamfer)) + 3,
                           MarkLength(kFlankRa)});
    }
    return margin;
}

double RightMargin(const DrawnGear& g) {
    double margin = LevelsMargin(RightLevels(g));
    // The right hub face's roughness mark on its line, or beside a keyless bore's datum on a
    // leader to the right.
    if (g.dimensioned && !g.GearShaft()) {
        margin = std::max(margin, WhereBore(g) == BorePlace::Right ? EndMarkOnLeaderRoom()
                                                                   : kRoughnessSignHeight + 1);
    }
    if (RightLevels(g) > 0 && g.part.web) {
        margin = std::max(margin, kShelfRun + TextLength(HolesText(g.part)) + 3);
        // The web chain's texts moved right of the hub.
        const GearPart& p = g.part;
        margin = std::max(
            margin, 6 + TextLength(SizeText(p.webThickness)) +
                        TextLength(SizeText((std::max(p.hubLength, p.face) - p.webThickness) / 2)));
    }
    return margin;
}

// Below the view: the hub length and the web's chain.
double BottomMargin(const DrawnGear& g) {
    const GearPart& p = g.part;
    if (!g.dimensioned) return kAxisOverhang;
    double margin = g.GearShaft() ? kAxisOverhang : kEndMarkBelow + 1;
    if (!g.GearShaft() && p.HasHub() && p.hubLength > p.face) margin = kFirstLevel + kTextRoom;
    if (!g.GearShaft() && p.web) margin += kLevelStep;
    return margin;
}

std::vector<DroppedText> DroppedTexts(const DrawnGear& g) {
    if (!g.dimensioned) return {};
    const GearPart& p = g.part;
    std::vector<std::pair<double, std::string>> lines;
    if (g.GearShaft()) {
        lines.emplace_back(g.shaftDiameter, DiameterText(g.shaftDiameter));
    } else if (WhereBore(g) == BorePlace::Left) {
        lines.emplace_back(p.bore, BoreText(p));
    }
    std::vector<DroppedText> texts;
    for (const auto& [line, text] : lines) {
        const double width = TextLength(text);
        texts.push_back({line, width, kArrowLength + width + 1});
    }
    return texts;
}

void DimensionMainView(SheetPen& pen, const DrawnGear& g) {
    const GearPart& p = g.part;
    const ViewFrame& f = pen.Frame();
    const double b = p.face / 2;
    const double l = HalfLength(g);
    const double top = p.tip / 2;
    const double n = Chamfer(p);
    const double leftX = f.origin.x - l * f.scale;
    const double rightX = f.origin.x + l * f.scale;
    const double topY = f.origin.y + top * f.scale;
    const double bottomY = f.origin.y - top * f.scale;

    // Diameters left of the view, the smallest nearest. A hub's text too long for its line goes
    // up the line's continuation, which stays between the hub's and the tip's extension lines;
    // a stub's or a keyless bore's goes down it, below the extension lines of the larger
    // diameters outside it.
    auto clearBelow = [&](const Dimension& d) {
        if (d.textShift != 0) {
            pen.ShiftLastText(-(top * f.scale + kArrowLength + TextLength(d.text) / 2));
        }
    };
    double level = leftX - kFirstLevel;
    if (g.GearShaft()) {
        const double r = g.shaftDiameter / 2;
        clearBelow(pen.VerticalDimension({-l, -r}, {-l, r}, level, DiameterText(g.shaftDiameter)));
        level -= kLevelStep;
    } else {
        if (WhereBore(g) == BorePlace::Left) {
            clearBelow(
                pen.VerticalDimension({-l, -p.bore / 2}, {-l, p.bore / 2}, level, BoreText(p)));
            level -= kLevelStep;
        }
        if (p.HasHub()) {
            pen.VerticalDimension({-l, -p.hubDiameter / 2}, {-l, p.hubDiameter / 2}, level,
                                  DiameterText(p.hubDiameter));
            level -= kLevelStep;
        }
        // Right of a solid part the bore stands alone: a text too long for its line goes up
        // the line's continuation, where nothing else is.
        if (WhereBore(g) == BorePlace::Right) {
            pen.VerticalDimension({l, -p.bore / 2}, {l, p.bore / 2}, rightX + kFirstLevel,
                                  BoreText(p));
            // The datum on the bore's lower extension line, between the face and the line.
            DatumBelow(pen, {rightX + kFirstLevel / 2, f.origin.y - p.bore / 2 * f.scale}, "А");
        }
    }
    pen.VerticalDimension({-b, -top}, {-b, top}, level, TipText(p));
    // The face width above; the chamfer on a leader to the upper left.
    const bool faceArrowsInside =
        !pen.HorizontalDimension({-b, top - n}, {b, top - n}, topY + kFirstLevel, SizeText(p.face))
             .arrowsOutside;
    pen.Leader({-b + n / 2, top - n / 2}, {f.origin.x - b * f.scale - kShelfRun, topY + kShelfRise},
               ChamferText(p.chamfer), true);
    // Roughness on shelves above the face width, both running left so that nothing passes the
    // right end of the view: the flanks marked on the pitch line, and over it the tip. Their
    // leaders rise inside the chamfers and clear of the face width's arrowheads.
    const double shelfY = topY + kMarkShelf;
    const double inset =
        (std::max(n * f.scale, faceArrowsInside ? kArrowLength : 0.0) + kMarkInset) / f.scale;
    const double flankX = -b + inset;
    const double tipX = b - inset;
    RoughnessOnLeader(pen, {flankX, p.pitch / 2}, {f.ToPaper({flankX, 0}).x, shelfY},
                      RoughnessText(kFlankRa), true);
    RoughnessOnLeader(pen, {tipX, top}, {f.ToPaper({tipX, 0}).x, shelfY + kMarkLevelStep},
                      RoughnessText(kTipRa), true);
    if (g.GearShaft()) return;
    EndFaceMarks(pen, g, WhereBore(g) == BorePlace::Right ? kDatumDepth + 1 : 0);
    // The hub length below, outside the web's chain where that goes below the view too.
    const std::optional<double> pocket = WebChainRadius(g, f.scale);
    if (p.HasHub() && p.hubLength > p.face) {
        pen.HorizontalDimension({-l, -p.hubDiameter / 2}, {l, -p.hubDiameter / 2},
                                bottomY - kFirstLevel - (p.web && !pocket ? kLevelStep : 0),
                                SizeText(p.hubLength));
    }
    if (!p.web) return;
    // Right of the view: the hole circle and the rim's inner diameter; the holes on a leader
    // to the upper right.
    const double c = p.webThickness / 2;
    pen.VerticalDimension({c, -p.holeCircle / 2}, {c, p.holeCircle / 2}, rightX + kFirstLevel,
                          DiameterText(p.holeCircle));
    pen.VerticalDimension({b, -p.rimInner / 2}, {b, p.rimInner / 2},
                          rightX + kFirstLevel + kLevelStep, DiameterText(p.rimInner));
    pen.Leader({c, (p.holeCircle + p.holeDiameter / 2) / 2},
               {f.origin.x + b * f.scale + kShelfRun, topY + kShelfRise}, HolesText(p));
    if (pocket) {
        // The position from the hub face's extension line to the web, the thickness across
        // the web with its arrows outside.
        pen.HorizontalDimension({-l, -p.hubDiameter / 2}, {-c, -*pocket},
                                f.origin.y - *pocket * f.scale, SizeText(l - c));
        pen.InnerDimension({-c, -*pocket}, {c, -*pocket}, SizeText(p.webThickness));
        return;
    }
    // Below the view, as a chain: the web's position from the left hub face and its
    // thickness, their extension lines down through the rim. A text that does not fit between
    // its arrows goes right, past the right hub face's extension line where it would cross it.
    const double s = f.scale;
    const double chainY = bottomY - kFirstLevel;
    const double clear = l * s + 2;  // paper from the axis' middle, right of the hub face
    double cursor = clear;
    const Dimension& web = pen.HorizontalDimension({-c, -p.rimInner / 2}, {c, -p.rimInner / 2},
                                                   chainY, SizeText(p.webThickness));
    if (web.textShift != 0) {
        const double width = TextLength(web.text);
        double start = c * s + 2 * kArrowLength + 1;
        if (start + width > l * s - 1) start = clear;
        pen.ShiftLastText(start + width / 2);
        cursor = std::max(clear, start + width + 2);
    }
    const Dimension& position = pen.HorizontalDimension(
        {-l, -p.hubDiameter / 2}, {-c, -p.rimInner / 2}, chainY, SizeText(l - c));
    if (position.textShift != 0) {
        pen.ShiftLastText(cursor + TextLength(position.text) / 2 + (l + c) / 2 * s);
    }
}

}  // namespace gearpair::gear_views
