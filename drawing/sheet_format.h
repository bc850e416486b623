// Format and scale of a sheet: the ISO A formats with their inner frame, the places of the
// title block, the parameter table and the technical requirements, the standard scales, and
// the choice of the smallest format and on it the largest scale at which the views fit.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "drawing/sheet_geometry.h"

namespace gearpair {

struct SheetFormat {
    std::string_view name;
    double width = 0;  // mm
    double height = 0;
};

inline constexpr std::array<SheetFormat, 4> kSheetFormats = {{
    {"A4", 210, 297},
    {"A3", 420, 297},
    {"A2", 594, 420},
    {"A1", 841, 594},
}};

struct DrawingScale {
    std::string_view text;  // as the title block writes it
    double factor = 1;      // paper mm per part mm
};

// Largest first.
inline constexpr std::array<DrawingScale, 15> kDrawingScales = {{
    {"5:1", 5},
    {"4:1", 4},
    {"2,5:1", 2.5},
    {"2:1", 2},
    {"1:1", 1},
    {"1:2", 1 / 2.0},
    {"1:2,5", 1 / 2.5},
    {"1:4", 1 / 4.0},
    {"1:5", 1 / 5.0},
    {"1:10", 1 / 10.0},
    {"1:15", 1 / 15.0},
    {"1:20", 1 / 20.0},
    {"1:25", 1 / 25.0},
    {"1:40", 1 / 40.0},
    {"1:50", 1 / 50.0},
}};

inline constexpr double kTitleBlockWidth = 185;
inline constexpr double kTitleBlockHeight = 55;
inline constexpr double kTableWidth = 110;
inline constexpr double kTableRowHeight = 8;
inline constexpr int kTableRows = 11;
inline constexpr double kRequirementLineHeight = 7;
// Clear space kept between the views and the frame, the table and the requirements.
inline constexpr double kViewMargin = 5;

// The inner frame: 20 mm from the left edge, 5 mm from the others.
Box InnerFrame(const SheetFormat& format);
Box TitleBlockBox(const Box& frame);
Box TableBox(const Box& frame);
// The technical requirements above the title block, as wide as it.
Box RequirementsBox(const Box& frame, int lines);

// The paper size of the views at a scale: part size times the scale plus what dimensions and
// gaps take whatever the scale.
struct ViewsExtent {
    double partWidth = 0;
    double partHeight = 0;
    double paperWidth = 0;
    double paperHeight = 0;
    // The smallest scale at which the part stays legible (for a gear: the tooth-tip chamfer at
    // least 1 mm and the tip circle at least 50 mm on paper).
    double legibleScale = 0;

    double Width(double scale) const { return partWidth * scale + paperWidth; }
    double Height(double scale) const { return partHeight * scale + paperHeight; }
};

struct SheetLayout {
    SheetFormat format;
    DrawingScale scale;
    Box viewsArea;  // the free rectangle the views are centred in
};

// The smallest format, and on it the largest scale, at which the views fit in one of the free
// rectangles beside the table, the requirements and the title block, at a legible scale; when
// no format holds the part legibly, the largest scale that fits on the largest format. Nothing
// when even A1 at 1:50 is too small.
std::optional<SheetLayout> ChooseLayout(const ViewsExtent& views, int requirementLines);

}  // namespace gearpair
