// Assembly of a gear's sheet.
#include "drawing/gear_sheet.h"

#include "drawing/drawing_texts.h"
#include "drawing/gear_views.h"
#include "drawing/sheet_format.h"
#include "engine/masses.h"

namespace gearpair {

std::string MassText(double kg) {
    return DecimalText(kg, kg < 10 ? 2 : kg < 100 ? 1 : 0);
}

Sheet BuildGearSheet(const GearPart& part, const GearSheetTexts& texts, Box* viewsBox) {
    const std::vector<std::string> lines = RequirementLines(texts.requirements);
    const ViewsExtent extent = GearViewsExtent(part);
    // Every part of the input domain fits A1 at 1:50; should one not, it is drawn there anyway.
    const SheetLayout layout =
        ChooseLayout(extent, static_cast<int>(lines.size()))
            .value_or(SheetLayout{kSheetFormats.back(), kDrawingScales.back(), Box{}});
    Sheet sheet;
    sheet.title = texts.name;
    sheet.format = std::string(layout.format.name);
    sheet.widthMm = layout.format.width;
    sheet.heightMm = layout.format.height;
    sheet.scale = std::string(layout.scale.text);
    sheet.items.reserve(512);

    const Box frame = InnerFrame(layout.format);
    DrawFrameAndTitleBlock(
        sheet, frame,
        TitleBlockTexts{texts.name, sheet.scale, MassText(SteelMass(PartVolume(part)))});
    DrawParameterTable(sheet, frame, texts.table);
    DrawRequirements(sheet, frame, lines);
    const std::size_t firstView = sheet.items.size();
    DrawGearViews(sheet, part, layout.viewsArea, layout.scale.factor);
    if (viewsBox != nullptr) {
        *viewsBox = ItemBox(sheet.items[firstView]);
        for (std::size_t i = firstView + 1; i < sheet.items.size(); ++i) {
            Include(*viewsBox, ItemBox(sheet.items[i]));
        }
    }
    return sheet;
}

}  // namespace gearpair
