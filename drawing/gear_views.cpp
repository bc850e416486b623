// The views of a gear with their dimensions (ГОСТ 2.305, 2.402, 2.307): their extent on the
// paper, and the main view and the local view placed in the area the sheet gives them.
#include "drawing/gear_views.h"

#include <string>

#include "drawing/gear_view_layout.h"
#include "drawing/local_view.h"
#include "drawing/main_view.h"
#include "drawing/main_view_dimensions.h"
#include "drawing/sheet_pen.h"

namespace gearpair {

ViewsExtent GearViewsExtent(const DrawnGear& g) {
    const GearPart& p = g.part;
    ViewsExtent extent;
    extent.partWidth = 2 * gear_views::HalfLength(g);
    extent.partHeight = p.tip;
    extent.paperWidth = gear_views::LeftMargin(g) + gear_views::RightMargin(g);
    extent.local = gear_views::LocalExtent(g);
    extent.paperBelow = gear_views::BottomMargin(g);
    extent.paperHeight = (g.dimensioned ? gear_views::kMarkShelf + gear_views::kMarkLevelStep +
                                              kRoughnessSignHeight + 1
                                        : gear_views::kAxisOverhang) +
                         extent.paperBelow;
    extent.droppedTexts = gear_views::DroppedTexts(g);
    return extent;
}

void DrawGearViews(Sheet& sheet, const DrawnGear& g, const Box& area, double scale) {
    const GearPart& p = g.part;
    const ViewsExtent extent = GearViewsExtent(g);
    const LocalViewExtent& local = extent.local;
    const bool enlarged = gear_views::HasLocalView(g) && local.Enlarged(scale);
    const double left =
        area.left + (area.Width() - extent.Width(scale)) / 2 + (enlarged ? kViewArrowRoom : 0);
    const double bottom = area.bottom + (area.Height() - extent.Height(scale)) / 2;
    const double axisY = bottom + extent.AxisHeight(scale);
    const double mainX = left + gear_views::LeftMargin(g) + gear_views::HalfLength(g) * scale;

    SheetPen main(sheet, g.GearShaft() ? "view" : "section", ViewFrame{{mainX, axisY}, scale});
    if (g.GearShaft()) {
        gear_views::DrawGearShaft(main, g);
    } else {
        gear_views::DrawSection(main, p);
    }
    if (g.dimensioned) gear_views::DimensionMainView(main, g);
    if (!gear_views::HasLocalView(g)) return;
    const double localScale = local.Scale(scale);
    const double localX = mainX + gear_views::HalfLength(g) * scale + gear_views::RightMargin(g) +
                          local.Gap(scale) + gear_views::LocalRadius(p) * localScale;
    SheetPen pen(sheet, "bore", ViewFrame{{localX, axisY}, localScale});
    // The datum's letter follows the view's where the view is lettered.
    gear_views::DrawLocalView(pen, p, enlarged ? "Б" : "А");
    if (!enlarged) return;
    // Out of its projection at a scale of its own: the view's letter with its scale above it,
    // and on the main view the arrow that looks at the hub's left face, left of its dimensions.
    const DrawingScale* named = &kDrawingScales.front();
    for (const DrawingScale& standard : kDrawingScales) {
        if (standard.factor == localScale) named = &standard;
    }
    pen.PaperText({localX, axisY + local.Above(scale) - kViewLabelHeight},
                  std::string(gear_views::kLocalViewLetter) + " (" + std::string(named->text) + ")",
                  kViewLabelHeight, Anchor::BottomCentre);
    const double arrowX =
        mainX - gear_views::HalfLength(g) * scale - gear_views::LeftMargin(g) - kViewArrowRoom + 2;
    const double arrowY = axisY + kViewLabelGap;
    main.PaperLine(Layer::Thin, {arrowX, arrowY}, {arrowX + kViewArrowRoom - 4, arrowY});
    main.Arrow({arrowX + kViewArrowRoom - 4, arrowY}, {1, 0});
    main.PaperText({arrowX + (kViewArrowRoom - 4) / 2, arrowY + kViewLabelGap},
                   std::string(gear_views::kLocalViewLetter), kViewLabelHeight,
                   Anchor::BottomCentre);
}

}  // namespace gearpair
