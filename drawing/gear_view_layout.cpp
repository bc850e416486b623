// The distances and texts a gear's views share.
#include "drawing/gear_view_layout.h"

#include <algorithm>

#include "drawing/drawing_texts.h"
#include "drawing/sheet_pen.h"
#include "engine/tolerances.h"

namespace gearpair::gear_views {

double MarkLength(double ra) {
    return RoughnessMarkWidth(RoughnessText(ra)) + 2;
}

void DatumBelow(SheetPen& pen, Point base, const std::string& letter) {
    const double apexY = base.y - kDatumSide * 0.8660254037844386;
    pen.Add(Layer::Dimension, Polyline{{{base.x - kDatumSide / 2, base.y},
                                        {base.x + kDatumSide / 2, base.y},
                                        {base.x, apexY}},
                                       true,
                                       true});
    const double frameTop = apexY - kDatumStem;
    pen.PaperLine(Layer::Dimension, {base.x, apexY}, {base.x, frameTop});
    const double h = kDatumFrame / 2;
    pen.Add(Layer::Dimension, Polyline{{{base.x - h, frameTop},
                                        {base.x + h, frameTop},
                                        {base.x + h, frameTop - kDatumFrame},
                                        {base.x - h, frameTop - kDatumFrame}},
                                       true,
                                       false});
    pen.PaperText({base.x, frameTop - h}, letter, kTextHeight, Anchor::MiddleCentre);
}

double TextLength(const std::string& text) {
    return TextWidth(text, kTextHeight);
}

std::string BoreText(const GearPart& p) {
    return BoreToleranceTexts(p.bore).bore;
}

std::string KeywayWidthText(const GearPart& p) {
    return BoreToleranceTexts(p.bore).keywayWidth;
}

std::string HubDepthText(const GearPart& p) {
    return BoreToleranceTexts(p.bore).hubDepth;
}

std::string TipText(const GearPart& p) {
    return TipDiameterText(p.tip, 2);
}

std::string HolesText(const GearPart& p) {
    return std::to_string(p.holes) + " отв. " + DiameterText(p.holeDiameter) + " равномерно";
}

double HalfLength(const DrawnGear& g) {
    const GearPart& p = g.part;
    if (g.GearShaft()) {
        // The stubs are broken off: shown as long as half their diameter, not dimensioned.
        return p.face / 2 + std::max(g.shaftDiameter / 2, p.face / 4);
    }
    return p.HasHub() ? std::max(p.hubLength, p.face) / 2 : p.face / 2;
}

double Chamfer(const GearPart& p) {
    return std::max(0.0, std::min(p.chamfer, std::min(p.face / 2, (p.tip - p.root) / 2)));
}

}  // namespace gearpair::gear_views
