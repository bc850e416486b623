// Translation of a sheet into DXF through dxflib, its groups gathered in a string; the header
// variables dxflib has no call for ($INSUNITS, $MEASUREMENT, the limits) go through its
// low-level group writer.
#include "drawing/dxf_writer.h"

#include <dl_dxf.h>
#include <dl_writer_ascii.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "core/cp1251.h"
#include "drawing/sheet_expand.h"
#include "files/file_ops.h"

namespace gearpair {

namespace {

// dxflib's ASCII writer with its output gathered in a string, for the file layer to write.
// dxflib's calls take that writer type (DL_WriterA), not its base, so the string writer derives
// from it and overrides every group writer: the file stream it opens under no name (and fails to
// open) is never written to.
class StringDxfWriter : public DL_WriterA {
public:
    StringDxfWriter() : DL_WriterA("", DL_Codes::AC1015) {}

    // Six decimals (a millionth of a millimetre), trailing zeros dropped; "-0" is zero.
    void dxfReal(int gc, double value) const override {
        char buffer[32];
        const auto result =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
        std::string_view number(buffer, static_cast<std::size_t>(result.ptr - buffer));
        while (number.ends_with('0')) number.remove_suffix(1);
        if (number.ends_with('.')) number.remove_suffix(1);
        if (number == "-0") number = "0";
        Group(gc, number);
    }
    void dxfInt(int gc, int value) const override { Group(gc, std::to_string(value)); }
    void dxfHex(int gc, int value) const override {
        char buffer[16];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, 16);
        std::string text(buffer, result.ptr);
        for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        Group(gc, text);
    }
    void dxfString(int gc, const char* value) const override { Group(gc, value); }
    void dxfString(int gc, const std::string& value) const override { Group(gc, value); }

    void Reserve(std::size_t bytes) { text_.reserve(bytes); }
    std::string Take() { return std::move(text_); }

private:
    // The group code right-aligned in three columns, as CAD programs write it, then the value.
    void Group(int gc, std::string_view value) const {
        char code[8];
        std::snprintf(code, sizeof code, "%3d", gc);
        text_ += code;
        text_ += '\n';
        text_ += value;
        text_ += '\n';
    }

    mutable std::string text_;
};

struct LayerStyle {
    Layer layer;
    const char* lineType;
    int lineWeight;  // hundredths of a mm
};

constexpr LayerStyle kLayerStyles[] = {
    {Layer::Contour, "CONTINUOUS", 50},   {Layer::Thin, "CONTINUOUS", 25},
    {Layer::Axis, "DASHDOT", 25},         {Layer::Hatch, "CONTINUOUS", 25},
    {Layer::Dimension, "CONTINUOUS", 25}, {Layer::Text, "CONTINUOUS", 25},
    {Layer::Frame, "CONTINUOUS", 50},
};

constexpr int kByLayer = 256;
constexpr int kLineWeightByLayer = -1;
constexpr int kWhite = 7;
// Dash-dot thin: 12 mm dashes, 3 mm gaps, a dot between.
double kDashDot[] = {12, -3, 0, -3};
constexpr double kDashDotLength = 18;

DL_Attributes EntityAttributes(Layer layer) {
    return DL_Attributes(DxfLayerName(layer), kByLayer, kLineWeightByLayer, "BYLAYER", 1.0);
}

void WriteHeaderVariables(DL_Dxf& dxf, StringDxfWriter& w, const Sheet& sheet) {
    dxf.writeHeader(w);
    w.dxfString(9, "$INSUNITS");
    w.dxfInt(70, 4);  // millimetres
    w.dxfString(9, "$MEASUREMENT");
    w.dxfInt(70, 1);  // metric
    w.dxfString(9, "$LIMMIN");
    w.dxfReal(10, 0);
    w.dxfReal(20, 0);
    w.dxfString(9, "$LIMMAX");
    w.dxfReal(10, sheet.widthMm);
    w.dxfReal(20, sheet.heightMm);
    w.dxfString(9, "$EXTMIN");
    w.dxfReal(10, 0);
    w.dxfReal(20, 0);
    w.dxfReal(30, 0);
    w.dxfString(9, "$EXTMAX");
    w.dxfReal(10, sheet.widthMm);
    w.dxfReal(20, sheet.heightMm);
    w.dxfReal(30, 0);
    w.dxfString(9, "$LWDISPLAY");
    w.dxfInt(290, 1);
    w.sectionEnd();
}

void WriteTables(DL_Dxf& dxf, StringDxfWriter& w) {
    w.sectionTables();
    dxf.writeVPort(w);

    w.tableLinetypes(4);
    dxf.writeLinetype(w, DL_LinetypeData("BYBLOCK", "", 0, 0, 0));
    dxf.writeLinetype(w, DL_LinetypeData("BYLAYER", "", 0, 0, 0));
    dxf.writeLinetype(w, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0));
    dxf.writeLinetype(
        w, DL_LinetypeData("DASHDOT", "Dash dot __ . __ .", 0, 4, kDashDotLength, kDashDot));
    w.tableEnd();

    w.tableLayers(1 + static_cast<int>(std::size(kLayerStyles)));
    dxf.writeLayer(w, DL_LayerData("0", 0), DL_Attributes("", kWhite, 25, "CONTINUOUS", 1.0));
    for (const LayerStyle& style : kLayerStyles) {
        dxf.writeLayer(w, DL_LayerData(DxfLayerName(style.layer), 0),
                       DL_Attributes("", kWhite, style.lineWeight, style.lineType, 1.0));
    }
    w.tableEnd();

    w.tableStyle(1);
    // The narrow drafting font: 0.8 of a regular font's width.
    dxf.writeStyle(w, DL_StyleData("Standard", 0, 0, 0.8, 0, 0, 3.5, "txt", ""));
    w.tableEnd();

    dxf.writeView(w);
    dxf.writeUcs(w);
    w.tableAppid(1);
    dxf.writeAppid(w, "ACAD");
    w.tableEnd();
    dxf.writeDimStyle(w, 2.5, 0.625, 0.625, 0.625, 2.5);
    dxf.writeBlockRecord(w);
    w.tableEnd();
    w.sectionEnd();

    w.sectionBlocks();
    dxf.writeBlock(w, DL_BlockData("*Model_Space", 0, 0, 0, 0));
    dxf.writeEndBlock(w, "*Model_Space");
    dxf.writeBlock(w, DL_BlockData("*Paper_Space", 0, 0, 0, 0));
    dxf.writeEndBlock(w, "*Paper_Space");
    dxf.writeBlock(w, DL_BlockData("*Paper_Space0", 0, 0, 0, 0));
    dxf.writeEndBlock(w, "*Paper_Space0");
    w.sectionEnd();
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

void WriteItem(DL_Dxf& dxf, StringDxfWriter& w, const Item& item) {
    const DL_Attributes attributes = EntityAttributes(item.layer);
    std::visit(
        [&](const auto& shape) {
            using T = std::decay_t<decltype(shape)>;
            if constexpr (std::is_same_v<T, Line>) {
                dxf.writeLine(w,
                              DL_LineData(shape.from.x, shape.from.y, 0, shape.to.x, shape.to.y, 0),
                              attributes);
            } else if constexpr (std::is_same_v<T, Polyline>) {
                const auto& p = shape.points;
                if (shape.filled && p.size() == 3) {
                    // A filled arrowhead: a SOLID with its last corner doubled.
                    dxf.writeSolid(w,
                                   DL_SolidData(p[0].x, p[0].y, 0, p[1].x, p[1].y, 0, p[2].x,
                                                p[2].y, 0, p[2].x, p[2].y, 0, 0),
                                   attributes);
                    return;
                }
                dxf.writePolyline(
                    w, DL_PolylineData(static_cast<int>(p.size()), 0, 0, shape.closed ? 1 : 0),
                    attributes);
                for (const Point& point : p)
                    dxf.writeVertex(w, DL_VertexData(point.x, point.y, 0, 0));
                dxf.writePolylineEnd(w);
            } else if constexpr (std::is_same_v<T, Circle>) {
                dxf.writeCircle(w, DL_CircleData(shape.centre.x, shape.centre.y, 0, shape.radius),
                                attributes);
            } else if constexpr (std::is_same_v<T, Arc>) {
                dxf.writeArc(
                    w,
                    DL_ArcData(shape.centre.x, shape.centre.y, 0, shape.radius,
                               std::fmod(shape.startDeg, 360), std::fmod(shape.endDeg, 360)),
                    attributes);
            } else if constexpr (std::is_same_v<T, Dimension> || std::is_same_v<T, Hatch>) {
                // Written as the lines, arrowheads and texts they are drawn with.
                for (const Item& plain : PlainItems(item)) WriteItem(dxf, w, plain);
            } else {
                int horizontal = 0;
                int vertical = 0;
                Justification(shape.anchor, horizontal, vertical);
                dxf.writeText(
                    w,
                    DL_TextData(shape.at.x, shape.at.y, 0, shape.at.x, shape.at.y, 0, shape.height,
                                0.8, 0, horizontal, vertical, DxfEscaped(shape.text), "Standard",
                                shape.angleDeg * std::numbers::pi / 180),
                    attributes);
            }
        },
        item.shape);
}

}  // namespace

const char* DxfLayerName(Layer layer) {
    switch (layer) {
        case Layer::Contour:
            return "CONTOUR";
        case Layer::Thin:
            return "THIN";
        case Layer::Axis:
            return "AXIS";
        case Layer::Hatch:
            return "HATCH";
        case Layer::Dimension:
            return "DIMENSION";
        case Layer::Text:
            return "TEXT";
        case Layer::Frame:
            return "FRAME";
    }
    return "0";
}

std::string DxfEscaped(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            out += static_cast<char>(lead);
            ++i;
            continue;
        }
        char32_t code = 0;
        if (!DecodeUtf8(utf8, i, code)) {
            code = 0xFFFD;  // a malformed byte shows as the replacement character
            ++i;
        }
        char buffer[12];
        std::snprintf(buffer, sizeof buffer, "\\U+%04X", static_cast<unsigned>(code));
        out += buffer;
    }
    return out;
}

std::string DxfText(const Sheet& sheet) {
    DL_Dxf dxf;
    StringDxfWriter w;
    w.Reserve(256 * sheet.items.size() + 16384);
    WriteHeaderVariables(dxf, w, sheet);
    WriteTables(dxf, w);
    w.sectionEntities();
    for (const Item& item : sheet.items) WriteItem(dxf, w, item);
    w.sectionEnd();
    dxf.writeObjects(w);
    dxf.writeObjectsEnd(w);
    w.dxfEOF();
    return w.Take();
}

void WriteDxf(const Sheet& sheet, const std::string& path) {
    ReplaceFileAtomically(path, DxfText(sheet), path);
}

}  // namespace gearpair
