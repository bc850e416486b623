// Assembly of a gear's sheet.
#include "drawing/gear_sheet.h"

#include "drawing/roughness.h"
#include "drawing/sheet_format.h"

namespace gearpair {

Sheet BuildGearSheet(const GearSheetContent& content, Box* viewsBox) {
    const std::vector<std::string> lines = RequirementLines(content.requirements);
    const ViewsExtent extent = GearViewsExtent(content.gear);
    const SheetFurniture furniture{TableLineCount(content.table), static_cast<int>(lines.size())};
    // Every part of the input domain fits A1 at 1:50; should one not, it is drawn there anyway.
    const SheetLayout layout =
        ChooseLayout(extent, content.gear.part.tip, furniture)
            .value_or(SheetLayout{kSheetFormats.back(), kDrawingScales.back(), Box{}});
    Box frame;
    Sheet sheet =
        StartPartSheet(layout.format, layout.scale.text, content.title, content.table, frame);
    if (!content.table.empty()) {
        const Box table = TableBox(frame, TableLineCount(content.table));
        DrawGeneralRoughness(
            sheet, {frame.right - kViewMargin, table.bottom - kGeneralRoughnessBelowTable},
            RoughnessText(kGeneralRa));
    }
    DrawRequirements(sheet, frame, lines);
    const std::size_t firstView = sheet.items.size();
    DrawGearViews(sheet, content.gear, layout.viewsArea, layout.scale.factor);
    if (viewsBox != nullptr) {
        *viewsBox = ItemBox(sheet.items[firstView]);
        for (std::size_t i = firstView + 1; i < sheet.items.size(); ++i) {
            Include(*viewsBox, ItemBox(sheet.items[i]));
        }
    }
    return sheet;
}

}  // namespace gearpair
