// Frame, reserved places and the choice of format and scale.
#include "drawing/sheet_format.h"

namespace gearpair {

Box InnerFrame(const SheetFormat& format) {
    return Box{20, 5, format.width - 5, format.height - 5};
}

Box TitleBlockBox(const Box& frame) {
    return Box{frame.right - kTitleBlockWidth, frame.bottom, frame.right,
               frame.bottom + kTitleBlockHeight};
}

Box TableBox(const Box& frame) {
    return Box{frame.right - kTableWidth, frame.top - kTableRows * kTableRowHeight, frame.right,
               frame.top};
}

Box RequirementsBox(const Box& frame, int lines) {
    const double bottom = frame.bottom + kTitleBlockHeight + kViewMargin;
    return Box{frame.right - kTitleBlockWidth, bottom, frame.right,
               bottom + lines * kRequirementLineHeight};
}

namespace {

std::optional<SheetLayout> FirstFit(const SheetFormat& format, const ViewsExtent& views,
                                    int requirementLines, double smallestScale) {
    const Box frame = InnerFrame(format);
    const Box table = TableBox(frame);
    const Box requirements = RequirementsBox(frame, requirementLines);
    const double m = kViewMargin;
    // Left of the title block's column; left of the table above the requirements; below
    // the table above the requirements.
    const std::array<Box, 3> areas = {{
        {frame.left + m, frame.bottom + m, requirements.left - m, frame.top - m},
        {frame.left + m, requirements.top + m, table.left - m, frame.top - m},
        {frame.left + m, requirements.top + m, frame.right - m, table.bottom - m},
    }};
    for (const DrawingScale& scale : kDrawingScales) {
        if (scale.factor < smallestScale) break;
        for (const Box& area : areas) {
            if (views.Width(scale.factor) <= area.Width() &&
                views.Height(scale.factor) <= area.Height()) {
                return SheetLayout{format, scale, area};
            }
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<SheetLayout> ChooseLayout(const ViewsExtent& views, int requirementLines) {
    for (const SheetFormat& format : kSheetFormats) {
        if (auto layout = FirstFit(format, views, requirementLines, views.legibleScale)) {
            return layout;
        }
    }
    return FirstFit(kSheetFormats.back(), views, requirementLines, 0);
}

}  // namespace gearpair
