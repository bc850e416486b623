// Dimensions in a sheet's DXF: the measured value a CAD program finds, the text that keeps it
// live, and the DIMENSION entity with its definition points and text position.
#include "drawing/dxf_dimensions.h"

#include <cmath>
#include <numbers>

#include "core/decimal_text.h"
#include "drawing/dxf_tables.h"
#include "drawing/sheet_expand.h"
#include "drawing/sheet_geometry.h"

namespace gearpair {

namespace {

double Distance(Point a, Point b) {
    return std::hypot(b.x - a.x, b.y - a.y);
}

// The value a CAD program measures for the dimension, in the part's mm or degrees.
double MeasuredValue(const Dimension& d) {
    switch (d.kind) {
        case DimensionKind::Linear: {
            const double angle = d.directionDeg * std::numbers::pi / 180;
            return std::fabs((d.second.x - d.first.x) * std::cos(angle) +
                             (d.second.y - d.first.y) * std::sin(angle));
        }
        case DimensionKind::Diameter:
            return 2 * Distance(d.first, d.second);
        case DimensionKind::Radius:
            return Distance(d.first, d.second);
        case DimensionKind::Angular: {
            const double a = std::atan2(d.second.y - d.first.y, d.second.x - d.first.x);
            const double b = std::atan2(d.third.y - d.first.y, d.third.x - d.first.x);
            double degrees = std::fabs(b - a) * 180 / std::numbers::pi;
            if (degrees > 180) degrees = 360 - degrees;
            return degrees;
        }
    }
    return 0;
}

}  // namespace

std::string DimensionTextOverride(const Dimension& d) {
    // The measured value as the dimension style writes it; where the sheet's text holds it, CAD
    // keeps it live ("<>") and writes the rest (Ø, a fit) around it.
    const std::string measured = DecimalText(MeasuredValue(d), 2);
    std::string text = d.text;
    if (!d.textOverride) {
        const auto at = text.find(measured);
        if (at != std::string::npos) text.replace(at, measured.size(), "<>");
    }
    if (text == "<>") return "";
    // The diameter sign as CAD programs code it in dimension texts, the rest escaped around it.
    const std::string diameter = "Ø";
    std::string out;
    std::size_t start = 0;
    for (auto at = text.find(diameter);; at = text.find(diameter, start)) {
        out += DxfEscaped(text.substr(start, at - start));
        if (at == std::string::npos) break;
        out += "%%c";
        start = at + diameter.size();
    }
    return out;
}

namespace sheet_dxf {

namespace {

// The middle of the text that a dimension's block draws, in the model. A CAD program that
// redraws the dimension from its definition centres the text there (group 11, flagged as placed
// by the user), so that it stays where the sheet put it: above its line, clear of the
// extension lines, moved beside the arrows where it does not fit between them.
// The middle is the one of the text's width and of its capitals' height, where a text aligned
// "middle" in DXF has its point: not the middle of the text's box, which reaches down to the
// descenders.
Point TextMiddle(const Item& dimension, const ModelSpace& model) {
    for (const Item& plain : PlainItems(dimension)) {
        const auto* text = std::get_if<Text>(&plain.shape);
        if (text == nullptr) continue;
        const double width = TextWidth(*text);
        double along = width / 2;  // from the anchor along the text
        double across = text->height / 2;
        switch (text->anchor) {
            case Anchor::BottomLeft:
                break;
            case Anchor::BottomCentre:
                along = 0;
                break;
            case Anchor::BottomRight:
                along = -width / 2;
                break;
            case Anchor::MiddleLeft:
                across = 0;
                break;
            case Anchor::MiddleCentre:
                along = 0;
                across = 0;
                break;
            case Anchor::MiddleRight:
                along = -width / 2;
                across = 0;
                break;
        }
        const double angle = text->angleDeg * std::numbers::pi / 180;
        const double c = std::cos(angle);
        const double s = std::sin(angle);
        const Point middle{text->at.x + along * c - across * s,
                           text->at.y + along * s + across * c};
        return model.Map(middle, plain.view);
    }
    return {};
}

// Group 70's flag of a text placed by the user rather than at the style's default place.
constexpr int kUserTextPlace = 128;

}  // namespace

void WriteDimension(DxfStream& w, const Item& item, const std::string& block,
                    const ModelSpace& model) {
    // A dimension of an enlarged view measures more than the part: its text states the size.
    Dimension d = std::get<Dimension>(item.shape);
    if (model.Magnification(d.view) != 1) d.textOverride = true;
    const Layer layer = item.layer;
    const Point middle = TextMiddle(item, model);
    const auto at = [&](Point part) { return model.FromPart(part, d.view); };
    const Point first = at(d.first);
    const Point second = at(d.second);
    const Point line = at(d.line);
    w.dxfString(0, "DIMENSION");
    w.handle();
    w.dxfHex(330, kModelSpaceRecord);
    w.dxfString(100, "AcDbEntity");
    w.dxfString(8, DxfLayerName(layer));
    w.dxfString(100, "AcDbDimension");
    w.dxfString(2, block);
    switch (d.kind) {
        case DimensionKind::Linear: {
            // The definition point: where the second extension line meets the dimension line.
            const double angle = d.directionDeg * std::numbers::pi / 180;
            const Point along{std::cos(angle), std::sin(angle)};
            const double shift = (line.x - second.x) * -along.y + (line.y - second.y) * along.x;
            w.coord(10, second.x - along.y * shift, second.y + along.x * shift);
            w.coord(11, middle.x, middle.y);
            w.dxfInt(70, kUserTextPlace);
            w.dxfString(1, DimensionTextOverride(d));
            w.dxfString(3, kDimensionStyle);
            w.dxfString(100, "AcDbAlignedDimension");
            w.coord(13, first.x, first.y);
            w.coord(14, second.x, second.y);
            w.dxfReal(50, d.directionDeg);
            w.dxfString(100, "AcDbRotatedDimension");
            return;
        }
        case DimensionKind::Diameter: {
            // Across the circle: from the point opposite `second` to `second`.
            const Point opposite{2 * first.x - second.x, 2 * first.y - second.y};
            w.coord(10, opposite.x, opposite.y);
            w.coord(11, middle.x, middle.y);
            w.dxfInt(70, 3 | kUserTextPlace);
            w.dxfString(1, DimensionTextOverride(d));
            w.dxfString(3, kDimensionStyle);
            w.dxfString(100, "AcDbDiametricDimension");
            w.coord(15, second.x, second.y);
            w.dxfReal(40, 0);
            return;
        }
        case DimensionKind::Radius: {
            w.coord(10, first.x, first.y);
            w.coord(11, middle.x, middle.y);
            w.dxfInt(70, 4 | kUserTextPlace);
            w.dxfString(1, DimensionTextOverride(d));
            w.dxfString(3, kDimensionStyle);
            w.dxfString(100, "AcDbRadialDimension");
            w.coord(15, second.x, second.y);
            w.dxfReal(40, 0);
            return;
        }
        case DimensionKind::Angular: {
            const Point third = at(d.third);
            w.coord(10, line.x, line.y);
            w.coord(11, middle.x, middle.y);
            w.dxfInt(70, 5 | kUserTextPlace);
            w.dxfString(1, DimensionTextOverride(d));
            w.dxfString(3, kDimensionStyle);
            w.dxfString(100, "AcDb3PointAngularDimension");
            w.coord(13, second.x, second.y);
            w.coord(14, third.x, third.y);
            w.coord(15, first.x, first.y);
            return;
        }
    }
}

}  // namespace sheet_dxf
}  // namespace gearpair
