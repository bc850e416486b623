// Frame, reserved places and the choice of format and scale.
#include "drawing/sheet_format.h"

#include <algorithm>
#include <cmath>

namespace gearpair {

double ViewsExtent::Below(double scale) const {
    double below = paperBelow;
    for (const DroppedText& text : droppedTexts) {
        // As the dimension decides it: the text leaves its line when it and 2 mm do not fit.
        if (text.width + 2 > text.line * scale) below = std::max(below, text.below);
    }
    return below;
}

double LocalViewExtent::Scale(double sheetScale) const {
    if (bore * sheetScale >= kSmallestBoreOnPaper) return sheetScale;
    // kDrawingScales runs from the largest down: the last that shows the bore at 20 mm.
    double enlarged = kDrawingScales.front().factor;
    for (const DrawingScale& scale : kDrawingScales) {
        if (scale.factor > sheetScale && bore * scale.factor >= kSmallestBoreOnPaper) {
            enlarged = scale.factor;
        }
    }
    return std::max(enlarged, sheetScale);
}

double LocalViewExtent::Gap(double sheetScale) const {
    // The diameter line leaves the circle cos 45° of the bore's radius left of the axis.
    const double leaves = bore / 2 * 0.7071067811865476;
    return std::max({gap, textRun - clearAbove * Scale(sheetScale),
                     shelfRun - (radius - leaves) * Scale(sheetScale)});
}

double LocalViewExtent::Width(double sheetScale) const {
    return Gap(sheetScale) + 2 * radius * Scale(sheetScale) + right +
           (Enlarged(sheetScale) ? kViewArrowRoom : 0);
}

double LocalViewExtent::Above(double sheetScale) const {
    return top * Scale(sheetScale) + aboveTop +
           (Enlarged(sheetScale) ? kViewLabelGap + kViewLabelHeight : 0);
}

double LocalViewExtent::Below(double sheetScale) const {
    // The bore's datum hangs 13,5 mm below the bore's lowest line, and 1,5 mm clear.
    return radius * Scale(sheetScale) + 15;
}

double ViewsExtent::AxisHeight(double scale) const {
    const double main = partHeight / 2 * scale + Below(scale);
    return local.bore > 0 ? std::max(main, local.Below(scale)) : main;
}

double ViewsExtent::MainWidth(double scale) const {
    const bool arrow = local.bore > 0 && local.Enlarged(scale);
    return partWidth * scale + paperWidth + (arrow ? kViewArrowRoom : 0);
}

double ViewsExtent::MainAbove(double scale) const {
    return partHeight / 2 * scale + paperHeight - paperBelow;
}

double ViewsExtent::Height(double scale) const {
    double above = partHeight / 2 * scale + paperHeight - paperBelow;
    if (local.bore > 0) above = std::max(above, local.Above(scale));
    return above + AxisHeight(scale);
}

Box InnerFrame(const SheetFormat& format) {
    return Box{20, 5, format.width - 5, format.height - 5};
}

Box TitleBlockBox(const Box& frame) {
    return Box{frame.right - kTitleBlockWidth, frame.bottom, frame.right,
               frame.bottom + kTitleBlockHeight};
}

Box TableBox(const Box& frame, int rows) {
    return Box{frame.right - kTableWidth, frame.top - rows * kTableRowHeight, frame.right,
               frame.top};
}

Box RequirementsBox(const Box& frame, int lines) {
    const double bottom = frame.bottom + kTitleBlockHeight + kViewMargin;
    return Box{frame.right - kTitleBlockWidth, bottom, frame.right,
               bottom + lines * kRequirementLineHeight};
}

Box Graph26Box(const Box& frame) {
    return Box{frame.left, frame.top - kGraph26Height, frame.left + kGraph26Width, frame.top};
}

namespace {

bool Clear(const Box& box, const Box& inside, const std::array<Box, 3>& obstacles) {
    // Edge to edge is clear: a place is computed from the edge it touches.
    constexpr double kTouch = 1e-9;
    const Box shrunk{box.left + kTouch, box.bottom + kTouch, box.right - kTouch, box.top - kTouch};
    return inside.Contains(shrunk) &&
           std::none_of(obstacles.begin(), obstacles.end(),
                        [&](const Box& o) { return shrunk.Overlaps(o); });
}

// The views where they fit in no free rectangle as one box: the main view's box and the local
// view's box beside it on the same axis, each clear of the obstacles (graph 26, the table with
// the general roughness mark, the requirements with the title block, each grown by the margin).
// The places tried put an edge of either box against the frame or an obstacle; of those that
// fit, the one nearest the frame's middle. The area returned is the box of both views.
std::optional<Box> TwoBoxArea(const Box& frame, const ViewsExtent& views, double scale,
                              const std::array<Box, 3>& obstacles) {
    const double m = kViewMargin;
    const Box inside{frame.left + m, frame.bottom + m, frame.right - m, frame.top - m};
    const double width = views.Width(scale);
    const double height = views.Height(scale);
    const double mainWidth = views.MainWidth(scale);
    const double mainBelow = views.AxisHeight(scale);
    const double mainAbove = views.MainAbove(scale);
    const bool local = views.local.bore > 0;
    const double localAbove = local ? views.local.Above(scale) : 0;
    const double localBelow = local ? views.local.Below(scale) : 0;
    std::vector<double> xs = {inside.left, inside.right - width};
    std::vector<double> ys = {inside.bottom, inside.top - height};
    for (const Box& o : obstacles) {
        for (double edge : {o.left - width, o.left - mainWidth, o.right}) xs.push_back(edge);
        // The axis' height from the bottom of both views' box, which is the main view's.
        for (double axis :
             {o.top + mainBelow, o.top + localBelow, o.bottom - mainAbove, o.bottom - localAbove}) {
            ys.push_back(axis - mainBelow);
        }
    }
    std::optional<Box> best;
    double nearest = 0;
    const double middleX = (inside.left + inside.right) / 2;
    const double middleY = (inside.bottom + inside.top) / 2;
    for (double x : xs) {
        for (double y : ys) {
            const double axis = y + mainBelow;
            const Box main{x, y, x + mainWidth, axis + mainAbove};
            if (!Clear(main, inside, obstacles)) continue;
            if (local && !Clear(Box{x + mainWidth, axis - localBelow, x + width, axis + localAbove},
                                inside, obstacles)) {
                continue;
            }
            const double distance = std::hypot(x + width / 2 - middleX, y + height / 2 - middleY);
            if (!best || distance < nearest) {
                best = Box{x, y, x + width, y + height};
                nearest = distance;
            }
        }
    }
    return best;
}

// The free rectangle of a format that holds the views at a scale, if any.
std::optional<Box> FreeArea(const SheetFormat& format, const ViewsExtent& views, double scale,
                            const SheetFurniture& furniture) {
    const Box frame = InnerFrame(format);
    const Box table = TableBox(frame, furniture.tableRows);
    const Box requirements = RequirementsBox(frame, furniture.requirementLines);
    const double top = Graph26Box(frame).bottom;
    const double m = kViewMargin;
    // A sheet with a table carries the general roughness mark under it.
    const double underTable =
        furniture.tableRows > 0 ? table.bottom - kGeneralRoughnessRoom : table.bottom;
    // Below the table above the requirements; left of the table above the requirements;
    // left of the title block's column.
    const std::array<Box, 3> areas = {{
        {frame.left + m, requirements.top + m, frame.right - m, std::min(underTable, top) - m},
        {frame.left + m, requirements.top + m, table.left - m, top - m},
        {frame.left + m, frame.bottom + m, requirements.left - m, top - m},
    }};
    for (const Box& area : areas) {
        if (views.Width(scale) <= area.Width() && views.Height(scale) <= area.Height()) {
            return area;
        }
    }
    return TwoBoxArea(
        frame, views, scale,
        {Box{frame.left, top - m, Graph26Box(frame).right + m, frame.top},
         Box{table.left - m, underTable - m, frame.right, frame.top},
         Box{requirements.left - m, frame.bottom, frame.right, requirements.top + m}});
}

bool FitsOnA1(const ViewsExtent& views, double scale, const SheetFurniture& furniture) {
    return FreeArea(kSheetFormats.back(), views, scale, furniture).has_value();
}

std::optional<DrawingScale> ChooseScale(const ViewsExtent& views, double tipDiameter,
                                        const SheetFurniture& furniture) {
    // kDrawingScales runs from the largest enlargement down: the smallest enlargement that
    // shows the tip circle at 50 mm is the last one that does.
    std::optional<DrawingScale> enlarged;
    for (const DrawingScale& scale : kDrawingScales) {
        if (scale.factor > 1 && tipDiameter * scale.factor >= kSmallestTipOnPaper) enlarged = scale;
    }
    if (tipDiameter < kSmallestTipOnPaper && !enlarged) enlarged = kDrawingScales.front();
    if (tipDiameter * 1 < kSmallestTipOnPaper && enlarged) {
        // As far as A1 holds it: the next smaller enlargement where it does not.
        for (const DrawingScale& scale : kDrawingScales) {
            if (scale.factor > enlarged->factor || scale.factor <= 1) continue;
            if (FitsOnA1(views, scale.factor, furniture)) return scale;
        }
    }
    for (const DrawingScale& scale : kDrawingScales) {
        if (scale.factor <= 1 && FitsOnA1(views, scale.factor, furniture)) return scale;
    }
    return std::nullopt;
}

}  // namespace

std::optional<SheetLayout> ChooseLayout(const ViewsExtent& views, double tipDiameter,
                                        const SheetFurniture& furniture) {
    const std::optional<DrawingScale> scale = ChooseScale(views, tipDiameter, furniture);
    if (!scale) return std::nullopt;
    for (const SheetFormat& format : kSheetFormats) {
        if (auto area = FreeArea(format, views, scale->factor, furniture)) {
            return SheetLayout{format, *scale, *area};
        }
    }
    return std::nullopt;
}

}  // namespace gearpair
