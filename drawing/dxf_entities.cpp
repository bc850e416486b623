// The entities of a sheet's DXF: the plain ones through dxflib's calls, the hatches group by
// group (dxflib writes them without owners), the dimensions through their own writer.
#include "drawing/dxf_entities.h"

#include <cmath>
#include <numbers>
#include <variant>
#include <vector>

#include "drawing/dxf_dimensions.h"
#include "drawing/dxf_tables.h"

namespace gearpair::sheet_dxf {

namespace {

constexpr int kByLayer = 256;
constexpr int kLineWeightByLayer = -1;

DL_Attributes EntityAttributes(Layer layer) {
    return DL_Attributes(DxfLayerName(layer), kByLayer, kLineWeightByLayer, "BYLAYER", 1.0);
}

// Horizontal and vertical justification codes of a text's anchor (group codes 72 and 73).
void Justification(Anchor anchor, int& horizontal, int& vertical) {
    switch (anchor) {
        case Anchor::BottomLeft:
            horizontal = 0, vertical = 0;
            return;
        case Anchor::BottomCentre:
            horizontal = 1, vertical = 0;
            return;
        case Anchor::BottomRight:
            horizontal = 2, vertical = 0;
            return;
        case Anchor::MiddleLeft:
            horizontal = 0, vertical = 2;
            return;
        case Anchor::MiddleCentre:
            horizontal = 1, vertical = 2;
            return;
        case Anchor::MiddleRight:
            horizontal = 2, vertical = 2;
            return;
    }
}

// ANSI31: lines at 45 degrees 3.175 mm (1/8 inch) apart, the section hatching of metals.
constexpr double kAnsi31Spacing = 3.175;

void WriteHatch(DxfStream& w, const Hatch& hatch, Layer layer, int view, const ModelSpace& model) {
    // The pattern's own lines run at 45 degrees: turn it by what the sheet adds to that, and
    // scale it to the sheet's line spacing in the model.
    const double turn = hatch.angleDeg - 45;
    const double scale = model.Length(hatch.spacing, kNoView) / kAnsi31Spacing;
    const double lineAngle = (45 + turn) * std::numbers::pi / 180;
    const double spacing = kAnsi31Spacing * scale;
    w.dxfString(0, "HATCH");
    w.handle();
    w.dxfHex(330, kModelSpaceRecord);
    w.dxfString(100, "AcDbEntity");
    w.dxfString(8, DxfLayerName(layer));
    w.dxfString(100, "AcDbHatch");
    w.coord(10, 0, 0);
    w.coord(210, 0, 0, 1);
    w.dxfString(2, "ANSI31");
    w.dxfInt(70, 0);  // pattern fill
    w.dxfInt(71, 0);  // not associative
    w.dxfInt(91, static_cast<int>(hatch.loops.size()));
    for (const std::vector<Point>& loop : hatch.loops) {
        w.dxfInt(92, 2);  // a polyline boundary
        w.dxfInt(72, 0);  // no bulges
        w.dxfInt(73, 1);  // closed
        w.dxfInt(93, static_cast<int>(loop.size()));
        for (const Point& paper : loop) {
            const Point p = model.Map(paper, view);
            w.dxfReal(10, p.x);
            w.dxfReal(20, p.y);
        }
        w.dxfInt(97, 0);
    }
    w.dxfInt(75, 0);  // odd parity: a loop inside another is a hole
    w.dxfInt(76, 1);  // predefined pattern
    w.dxfReal(52, turn);
    w.dxfReal(41, scale);
    w.dxfInt(77, 0);
    w.dxfInt(78, 1);
    w.dxfReal(53, 45 + turn);
    w.dxfReal(43, 0);
    w.dxfReal(44, 0);
    w.dxfReal(45, -spacing * std::sin(lineAngle));
    w.dxfReal(46, spacing * std::cos(lineAngle));
    w.dxfInt(79, 0);
    w.dxfInt(98, 0);
}

}  // namespace

int WriteTextGroups(DxfStream& w, const Text& text, Layer layer, int view, const ModelSpace& model,
                    const char* subclass) {
    int horizontal = 0;
    int vertical = 0;
    Justification(text.anchor, horizontal, vertical);
    const Point at = model.Map(text.at, view);
    w.dxfString(100, "AcDbEntity");
    w.dxfString(8, DxfLayerName(layer));
    w.dxfString(100, "AcDbText");
    w.coord(10, at.x, at.y);
    w.dxfReal(40, text.height * model.Factor());
    w.dxfString(1, DxfEscaped(text.text));
    w.dxfReal(50, text.angleDeg);
    w.dxfReal(41, kFontWidth);
    w.dxfString(7, kTextStyle);
    w.dxfInt(72, horizontal);
    w.coord(11, at.x, at.y);
    w.dxfString(100, subclass);
    return vertical;
}

void WritePlainItem(DL_Dxf& dxf, DxfStream& w, const Item& item, const ModelSpace& model) {
    const DL_Attributes attributes = EntityAttributes(item.layer);
    const auto map = [&](Point p) { return model.Map(p, item.view); };
    std::visit(
        [&](const auto& shape) {
            using T = std::decay_t<decltype(shape)>;
            if constexpr (std::is_same_v<T, Line>) {
                const Point from = map(shape.from);
                const Point to = map(shape.to);
                dxf.writeLine(w, DL_LineData(from.x, from.y, 0, to.x, to.y, 0), attributes);
            } else if constexpr (std::is_same_v<T, Polyline>) {
                std::vector<Point> p;
                for (const Point& point : shape.points) p.push_back(map(point));
                if (shape.filled && p.size() == 3) {
                    // A filled arrowhead: a SOLID with its last corner doubled.
                    dxf.writeSolid(w,
                                   DL_SolidData(p[0].x, p[0].y, 0, p[1].x, p[1].y, 0, p[2].x,
                                                p[2].y, 0, p[2].x, p[2].y, 0, 0),
                                   attributes);
                    return;
                }
                // R2000: an LWPOLYLINE, closed where the contour is.
                dxf.writePolyline(
                    w, DL_PolylineData(static_cast<int>(p.size()), 0, 0, shape.closed ? 1 : 0),
                    attributes);
                for (const Point& point : p)
                    dxf.writeVertex(w, DL_VertexData(point.x, point.y, 0, 0));
                dxf.writePolylineEnd(w);
            } else if constexpr (std::is_same_v<T, Circle>) {
                const Point c = map(shape.centre);
                dxf.writeCircle(w,
                                DL_CircleData(c.x, c.y, 0, model.Length(shape.radius, item.view)),
                                attributes);
            } else if constexpr (std::is_same_v<T, Arc>) {
                const Point c = map(shape.centre);
                dxf.writeArc(
                    w,
                    DL_ArcData(c.x, c.y, 0, model.Length(shape.radius, item.view),
                               std::fmod(shape.startDeg, 360), std::fmod(shape.endDeg, 360)),
                    attributes);
            } else if constexpr (std::is_same_v<T, Text>) {
                int horizontal = 0;
                int vertical = 0;
                Justification(shape.anchor, horizontal, vertical);
                const Point at = map(shape.at);
                dxf.writeText(
                    w,
                    DL_TextData(at.x, at.y, 0, at.x, at.y, 0, shape.height * model.Factor(),
                                kFontWidth, 0, horizontal, vertical, DxfEscaped(shape.text),
                                kTextStyle, shape.angleDeg * std::numbers::pi / 180),
                    attributes);
            }
        },
        item.shape);
}

void WriteItem(DL_Dxf& dxf, DxfStream& w, const Item& item, const ModelSpace& model,
               std::size_t& dimension) {
    if (std::holds_alternative<Dimension>(item.shape)) {
        WriteDimension(w, item, DimensionBlocks::Name(dimension++), model);
    } else if (const auto* hatch = std::get_if<Hatch>(&item.shape)) {
        WriteHatch(w, *hatch, item.layer, item.view, model);
    } else {
        WritePlainItem(dxf, w, item, model);
    }
}

}  // namespace gearpair::sheet_dxf
