// Frame, reserved places and the choice of format and scale.
#include "drawing/sheet_format.h"

#include <algorithm>

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
    return std::max(gap, textRun - clearAbove * Scale(sheetScale));
}

double LocalViewExtent::Width(double sheetScale) const {
    return Gap(sheetScale) + 2 * radius * Scale(sheetScale) + right +
           (Enlarged(sheetScale) ? kViewArrowRoom : 0);
}

double LocalViewExtent::Above(double sheetScale) const {
    return top * Scale(sheetScale) + aboveTop +
           (Enlarged(sheetScale) ? kViewLabelGap + kViewLabelHeight : 0);
}

double ViewsExtent::Height(double scale) const {
    double above = partHeight / 2 * scale + paperHeight - paperBelow;
    if (local.bore > 0) above = std::max(above, local.Above(scale));
    return above + partHeight / 2 * scale + Below(scale);
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
    return std::nullopt;
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
