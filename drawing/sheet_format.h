// Format and scale of a sheet: the ISO A formats with their inner frame, the places of the
// title block, the parameter table and the technical requirements, the standard scales, and
// the choice of the smallest format and on it the largest scale at which the views fit.
#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "drawing/roughness.h"
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
inline constexpr double kRequirementLineHeight = 7;
// Graph 26 of the title block's extra graphs: 70 x 14 mm in the frame's top left corner.
inline constexpr double kGraph26Width = 70;
inline constexpr double kGraph26Height = 14;
// Under the table, the general roughness mark: 3 mm below the table, and 2 mm clear under it.
inline constexpr double kGeneralRoughnessBelowTable = 3;
inline constexpr double kGeneralRoughnessRoom =
    kGeneralRoughnessBelowTable + kGeneralRoughnessHeight + 2;
// Clear space kept between the views and the frame, the table and the requirements.
inline constexpr double kViewMargin = 5;
// A part whose tip circle would be smaller than this on paper is enlarged (mm).
inline constexpr double kSmallestTipOnPaper = 50;

// The inner frame: 20 mm from the left edge, 5 mm from the others.
Box InnerFrame(const SheetFormat& format);
Box TitleBlockBox(const Box& frame);
// The parameter table of `rows` lines of 8 mm in the frame's top right corner (empty for
// none).
Box TableBox(const Box& frame, int rows);
// The technical requirements above the title block, as wide as it.
Box RequirementsBox(const Box& frame, int lines);
Box Graph26Box(const Box& frame);

// A dimension's text that goes down its line's continuation, below the views, when the line is
// too short for it at the sheet's scale.
struct DroppedText {
    double line = 0;   // the line's length, part mm
    double width = 0;  // the text's, paper mm
    double below = 0;  // the paper it then takes below the views
};

// A bore this small on paper is shown enlarged in its local view (mm).
inline constexpr double kSmallestBoreOnPaper = 20;

// The local view of a bore right of the main view on its axis: at the sheet's scale, or where
// the bore would be under 20 mm on paper at the smallest standard scale that shows it at 20 mm
// (5:1 at most). An enlarged view is labelled above itself and by an arrow left of the main
// view, which take paper of their own.
struct LocalViewExtent {
    double bore = 0;        // part mm; 0: no local view
    double radius = 0;      // part mm, half the view's width
    double clearAbove = 0;  // part mm of the view's left half that the text above it may cross
    double gap = 0;         // paper mm at least between the main view's margin and the view
    double textRun = 0;     // paper mm the text above it takes left of the view's axis part
    double right = 0;       // paper mm right of the view
    double top = 0;         // part mm above the axis
    double aboveTop = 0;    // paper mm above that, the label aside
    // Paper mm the shelf of the bore's size takes left of the point where the bore's diameter
    // line leaves the circle at 135 degrees, 1 mm clear included.
    double shelfRun = 0;

    // Paper mm per part mm.
    double Scale(double sheetScale) const;
    bool Enlarged(double sheetScale) const { return Scale(sheetScale) > sheetScale; }
    // Paper between the main view's margin and the view's axis part, and the paper the whole
    // view takes across, with the arrow's room left of the main view.
    double Gap(double sheetScale) const;
    double Width(double sheetScale) const;
    // Paper above the axis, with the label; below it, with the bore's datum.
    double Above(double sheetScale) const;
    double Below(double sheetScale) const;
};

// An enlarged local view's label ("А (4:1)") and the room its arrow takes left of the main
// view's dimensions, paper mm.
inline constexpr double kViewLabelHeight = 7;
inline constexpr double kViewLabelGap = 2;
inline constexpr double kViewArrowRoom = 16;

// The paper size of the views at a scale: part size times the scale plus what dimensions and
// gaps take whatever the scale, and below the views what the dropped texts take at it.
struct ViewsExtent {
    double partWidth = 0;
    double partHeight = 0;
    double paperWidth = 0;
    double paperHeight = 0;  // above and below the views, the dropped texts aside
    double paperBelow = 0;   // the part of paperHeight below the views
    std::vector<DroppedText> droppedTexts{};
    LocalViewExtent local{};

    double Width(double scale) const {
        return partWidth * scale + paperWidth + (local.bore > 0 ? local.Width(scale) : 0);
    }
    double Height(double scale) const;
    // Paper below the main view at a scale, the dropped texts with it.
    double Below(double scale) const;
    // Paper from the bottom of the views to their axis: below the main view or below the local
    // view, whichever reaches further.
    double AxisHeight(double scale) const;
    // The main view alone with its dimensions and, for an enlarged local view, the arrow left
    // of it: its width, and its paper above the axis.
    double MainWidth(double scale) const;
    double MainAbove(double scale) const;
};

// What else the sheet carries besides the views.
struct SheetFurniture {
    int tableRows = 0;  // lines of 8 mm
    int requirementLines = 0;
};

struct SheetLayout {
    SheetFormat format;
    DrawingScale scale;
    Box viewsArea;  // the free rectangle the views are centred in
};

// The scale first: 1:1 where the views fit on A1 at 1:1; a part whose tip circle would be
// smaller than 50 mm on paper enlarged to the smallest enlargement that makes it 50 mm (as far
// as A1 holds it); a part too large for A1 at 1:1 reduced to the largest scale at which it
// fits. Then the smallest of A4 (portrait), A3, A2 and A1 that holds the views beside the
// table, the requirements, the title block and graph 26: the main view and the local view each
// clear of them, so that the main view may reach down beside the title block while the local
// view stands above the requirements. The area returned is the box of both views there. Nothing
// when even A1 at 1:50 is too small.
std::optional<SheetLayout> ChooseLayout(const ViewsExtent& views, double tipDiameter,
                                        const SheetFurniture& furniture);

}  // namespace gearpair
