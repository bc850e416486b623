// Translation of a sheet into DXF through dxflib's group writer, for a CAD user to measure and
// edit: every view's geometry at the part's real size in model space, the frame, table and
// title block around it at the inverse of the sheet's scale (so that plotting at the sheet's
// scale gives the paper sheet), dimensions as DIMENSION entities that measure the geometry,
// section hatching as HATCH entities on closed loops, the title block as one block whose
// fields are attributes, and an OBJECTS section whose owners are all set. dxflib has calls for
// the plain entities; the tables, dimensions, hatches, block and objects it writes with fixed
// or missing owners, so those groups are written here.
#include "drawing/dxf_writer.h"

#include <dl_dxf.h>

#include <charconv>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "core/decimal_text.h"
#include "drawing/dxf_stream.h"
#include "drawing/sheet_expand.h"
#include "drawing/sheet_geometry.h"
#include "files/file_ops.h"

namespace gearpair {

namespace {

struct LayerStyle {
    Layer layer;
    const char* lineType;
    int lineWeight;  // hundredths of a mm
    int colour;      // ACI: as draftsmen colour the kinds of line on screen
};

constexpr LayerStyle kLayerStyles[] = {
    {Layer::Contour, "CONTINUOUS", 50, 7},    // white (black on a light screen)
    {Layer::Thin, "CONTINUOUS", 25, 3},       // green
    {Layer::Axis, "DASHDOT", 25, 1},          // red
    {Layer::Hatch, "CONTINUOUS", 25, 8},      // grey
    {Layer::Dimension, "CONTINUOUS", 25, 4},  // cyan
    {Layer::Text, "CONTINUOUS", 25, 2},       // yellow
    {Layer::Frame, "CONTINUOUS", 50, 7},      // white
};

constexpr int kByLayer = 256;
constexpr int kLineWeightByLayer = -1;
constexpr int kWhite = 7;
// Dash-dot thin: 12 mm dashes, 3 mm gaps, a dot between (paper mm; $LTSCALE scales them to the
// model).
double kDashDot[] = {12, -3, 0, -3};
constexpr double kDashDotLength = 18;

// The drafting font the PDF uses, narrowed to 0.8 of its width; it has Cyrillic and ships in
// Debian (fonts-dejavu-core). CAD programs that read the style's font file take it. LibreCAD
// takes its font by the style's name instead, and its own fonts are stroke fonts: the style is
// named after its ГОСТ 2.304 type B font, which has Cyrillic, so that the sheet's Russian texts
// show there too (a style name that is no font of LibreCAD's gives its default font, which has
// no Cyrillic).
constexpr const char* kFontFile = "DejaVuSans.ttf";
constexpr double kFontWidth = 0.8;
constexpr const char* kTextStyle = "lc_opengost-br";
constexpr const char* kDimensionStyle = "ESKD";
constexpr const char* kTitleBlockName = "TITLE_BLOCK";
constexpr int kInvisible = 1;  // attribute flag

// Handles of the objects the tables and sections refer to; entities take theirs from the
// writer's counter, which starts above these.
constexpr int kRootDictionary = 0xC;
constexpr int kGroupDictionary = 0xD;
constexpr int kModelSpaceRecord = 0x1F;
constexpr int kPaperSpaceRecord = 0x1B;
constexpr int kTitleBlockRecord = 0x2A;
constexpr int kTextStyleHandle = 0x2B;
constexpr int kDimStyleHandle = 0x2C;

// Sheet (paper) coordinates to model coordinates. A view's geometry lands at the part's real
// size; everything else (frame, table, requirements, title block, texts) is enlarged by the
// inverse of the sheet's scale around the sheet's origin, so that the model plotted at the
// sheet's scale is the paper sheet.
class ModelSpace {
public:
    explicit ModelSpace(const Sheet& sheet) : sheet_(sheet), factor_(1 / SheetScale(sheet)) {}

    // Model mm per paper mm outside the views.
    double Factor() const { return factor_; }

    Point Map(Point paper, int view) const {
        if (view == kNoView) return {paper.x * factor_, paper.y * factor_};
        const ViewPlace& place = sheet_.views[static_cast<std::size_t>(view)].place;
        return FromPart(place.ToPart(paper), place);
    }
    // A part point of a view (dimensions keep theirs in the part's mm). A view drawn at a
    // scale of its own (an enlarged local view) is enlarged in the model by as much as on the
    // paper, so that its dimensions' texts keep their place on it.
    Point FromPart(Point part, const ViewPlace& place) const {
        const double m = Magnification(place);
        return {place.origin.x * factor_ + part.x * m, place.origin.y * factor_ + part.y * m};
    }
    double Length(double paper, int view) const {
        if (view == kNoView) return paper * factor_;
        const ViewPlace& place = sheet_.views[static_cast<std::size_t>(view)].place;
        return paper / place.scale * Magnification(place);
    }
    // How much larger than the part a view lands in the model: 1 at the sheet's scale.
    double Magnification(const ViewPlace& place) const {
        const double m = place.scale * factor_;
        return std::fabs(m - 1) < 1e-9 ? 1 : m;
    }

private:
    // Paper mm per part mm of the sheet's scale text: "1:2" 0.5, "2,5:1" 2.5.
    static double SheetScale(const Sheet& sheet) {
        if (!sheet.views.empty()) return sheet.views.front().place.scale;
        const auto colon = sheet.scale.find(':');
        if (colon == std::string::npos) return 1;
        auto number = [](std::string text) {
            for (char& c : text) c = c == ',' ? '.' : c;
            double value = 0;
            std::from_chars(text.data(), text.data() + text.size(), value);
            return value;
        };
        const double paper = number(sheet.scale.substr(0, colon));
        const double part = number(sheet.scale.substr(colon + 1));
        return paper > 0 && part > 0 ? paper / part : 1;
    }

    const Sheet& sheet_;
    double factor_;
};

DL_Attributes EntityAttributes(Layer layer) {
    return DL_Attributes(DxfLayerName(layer), kByLayer, kLineWeightByLayer, "BYLAYER", 1.0);
}

void Header(DxfStream& w, const char* name) {
    w.dxfString(9, name);
}

void WriteHeaderVariables(DL_Dxf& dxf, DxfStream& w, const Sheet& sheet, const ModelSpace& model) {
    dxf.writeHeader(w);
    const double width = sheet.widthMm * model.Factor();
    const double height = sheet.heightMm * model.Factor();
    Header(w, "$INSUNITS");
    w.dxfInt(70, 4);  // millimetres
    Header(w, "$MEASUREMENT");
    w.dxfInt(70, 1);  // metric
    Header(w, "$LIMMIN");
    w.dxfReal(10, 0);
    w.dxfReal(20, 0);
    Header(w, "$LIMMAX");
    w.dxfReal(10, width);
    w.dxfReal(20, height);
    Header(w, "$EXTMIN");
    w.coord(10, 0, 0);
    Header(w, "$EXTMAX");
    w.coord(10, width, height);
    // Line type patterns and dimension sizes are paper mm: scaled to the model.
    Header(w, "$LTSCALE");
    w.dxfReal(40, model.Factor());
    Header(w, "$DIMSCALE");
    w.dxfReal(40, model.Factor());
    Header(w, "$DIMSTYLE");
    w.dxfString(2, kDimensionStyle);
    // The dimension style's values again as the drawing's defaults, for programs that read
    // these rather than the style.
    Header(w, "$DIMASZ");
    w.dxfReal(40, 3);
    Header(w, "$DIMEXO");
    w.dxfReal(40, 0);
    Header(w, "$DIMEXE");
    w.dxfReal(40, 2);
    Header(w, "$DIMTXT");
    w.dxfReal(40, 3.5);
    Header(w, "$DIMGAP");
    w.dxfReal(40, 1);
    Header(w, "$DIMTAD");
    w.dxfInt(70, 1);
    Header(w, "$DIMZIN");
    w.dxfInt(70, 8);
    Header(w, "$DIMDEC");
    w.dxfInt(70, 2);
    Header(w, "$TEXTSTYLE");
    w.dxfString(7, kTextStyle);
    Header(w, "$DIMDSEP");
    w.dxfInt(70, ',');
    Header(w, "$LWDISPLAY");
    w.dxfInt(290, 1);
    w.sectionEnd();
}

// A table's head, owned by the drawing, with the number of its records.
void TableHead(DxfStream& w, const char* name, int handle, int records) {
    w.dxfString(0, "TABLE");
    w.dxfString(2, name);
    w.dxfHex(5, handle);
    w.dxfHex(330, 0);
    w.dxfString(100, "AcDbSymbolTable");
    w.dxfInt(70, records);
}

// A record's head: its type, handle (group 5, or 105 for a dimension style) and owning table.
void RecordHead(DxfStream& w, const char* type, int handleCode, int handle, int table) {
    w.dxfString(0, type);
    w.dxfHex(handleCode, handle);
    w.dxfHex(330, table);
    w.dxfString(100, "AcDbSymbolTableRecord");
}

void WriteTextStyle(DxfStream& w) {
    TableHead(w, "STYLE", 3, 1);
    RecordHead(w, "STYLE", 5, kTextStyleHandle, 3);
    w.dxfString(100, "AcDbTextStyleTableRecord");
    w.dxfString(2, kTextStyle);
    w.dxfInt(70, 0);
    w.dxfReal(40, 0);
    w.dxfReal(41, kFontWidth);
    w.dxfReal(50, 0);
    w.dxfInt(71, 0);
    w.dxfReal(42, 3.5);
    w.dxfString(3, kFontFile);
    w.dxfString(4, "");
    w.dxfString(0, "ENDTAB");
}

// ЕСКД habits: arrows 3 mm, text 3.5 mm above the dimension line and aligned with it, extension
// lines 2 mm past the dimension line and starting at the contour, 1 mm between line and text,
// the decimal comma, two decimals at most without trailing zeros.
void WriteDimensionStyle(DxfStream& w) {
    TableHead(w, "DIMSTYLE", 0xA, 1);
    w.dxfString(100, "AcDbDimStyleTable");
    w.dxfInt(71, 0);
    RecordHead(w, "DIMSTYLE", 105, kDimStyleHandle, 0xA);
    w.dxfString(100, "AcDbDimStyleTableRecord");
    w.dxfString(2, kDimensionStyle);
    w.dxfInt(70, 0);
    w.dxfReal(41, 3);     // DIMASZ
    w.dxfReal(42, 0);     // DIMEXO
    w.dxfReal(43, 7);     // DIMDLI
    w.dxfReal(44, 2);     // DIMEXE
    w.dxfInt(73, 0);      // DIMTIH: inside texts aligned with the line
    w.dxfInt(74, 0);      // DIMTOH: outside texts aligned too
    w.dxfInt(77, 1);      // DIMTAD: above the line
    w.dxfInt(78, 8);      // DIMZIN: no trailing zeros
    w.dxfReal(140, 3.5);  // DIMTXT
    w.dxfReal(141, 0);    // DIMCEN: no centre marks
    w.dxfReal(147, 1);    // DIMGAP
    w.dxfInt(172, 1);     // DIMTOFL: the line drawn between the extension lines
    w.dxfInt(271, 2);     // DIMDEC
    w.dxfInt(278, ',');   // DIMDSEP
    w.dxfHex(340, kTextStyleHandle);
    w.dxfString(0, "ENDTAB");
}

// The anonymous blocks "*D1", "*D2"... that hold what each dimension draws, as CAD programs
// keep a dimension's picture beside its definition; their block records' handles.
struct DimensionBlocks {
    std::vector<const Item*> items;
    std::vector<int> records;

    static std::string Name(std::size_t index) { return "*D" + std::to_string(index + 1); }
};

void WriteBlockRecord(DxfStream& w, int handle, const std::string& name) {
    RecordHead(w, "BLOCK_RECORD", 5, handle, 1);
    w.dxfString(100, "AcDbBlockTableRecord");
    w.dxfString(2, name);
}

void WriteTables(DL_Dxf& dxf, DxfStream& w, DimensionBlocks& dimensions) {
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
                       DL_Attributes("", style.colour, style.lineWeight, style.lineType, 1.0));
    }
    w.tableEnd();

    WriteTextStyle(w);
    dxf.writeView(w);
    dxf.writeUcs(w);
    w.tableAppid(1);
    dxf.writeAppid(w, "ACAD");
    w.tableEnd();
    WriteDimensionStyle(w);

    TableHead(w, "BLOCK_RECORD", 1, 3 + static_cast<int>(dimensions.items.size()));
    WriteBlockRecord(w, kModelSpaceRecord, "*Model_Space");
    WriteBlockRecord(w, kPaperSpaceRecord, "*Paper_Space");
    WriteBlockRecord(w, kTitleBlockRecord, kTitleBlockName);
    dimensions.records.clear();
    for (std::size_t i = 0; i < dimensions.items.size(); ++i) {
        dimensions.records.push_back(w.NewHandle());
    }
    for (std::size_t i = 0; i < dimensions.items.size(); ++i) {
        WriteBlockRecord(w, dimensions.records[i], DimensionBlocks::Name(i));
    }
    w.dxfString(0, "ENDTAB");
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

namespace {

// The middle of the text that a dimension's block draws, in the model. A CAD program that
// redraws the dimension from its definition centres the text there (group 11, flagged as placed
// by the user), so that it stays where the sheet put it: above its line, clear of the
// extension lines, moved beside the arrows where it does not fit between them.
Point TextMiddle(const Item& dimension, const ModelSpace& model) {
    for (const Item& plain : PlainItems(dimension)) {
        if (!std::holds_alternative<Text>(plain.shape)) continue;
        const Box box = ItemBox(plain);
        return model.Map({(box.left + box.right) / 2, (box.bottom + box.top) / 2}, plain.view);
    }
    return {};
}

// Group 70's flag of a text placed by the user rather than at the style's default place.
constexpr int kUserTextPlace = 128;

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

// The text's groups after its handle and owner; `attribute` adds the tag of a title-block
// field (ATTDEF or ATTRIB).
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

// The title block as a block in paper mm at the origin: its lines and fixed texts, and an
// attribute definition for every field the engineer or the design fills.
void WriteBlockBegin(DxfStream& w, int record, const std::string& name, int flags) {
    w.dxfString(0, "BLOCK");
    w.handle();
    w.dxfHex(330, record);
    w.dxfString(100, "AcDbEntity");
    w.dxfString(8, "0");
    w.dxfString(100, "AcDbBlockBegin");
    w.dxfString(2, name);
    w.dxfInt(70, flags);
    w.coord(10, 0, 0);
    w.dxfString(3, name);
    w.dxfString(1, "");
}

void WriteBlockEnd(DxfStream& w, int record) {
    w.dxfString(0, "ENDBLK");
    w.handle();
    w.dxfHex(330, record);
    w.dxfString(100, "AcDbEntity");
    w.dxfString(8, "0");
    w.dxfString(100, "AcDbBlockEnd");
}

void WriteBlocks(DL_Dxf& dxf, DxfStream& w, const Sheet& sheet, const DimensionBlocks& dimensions,
                 const ModelSpace& model) {
    w.sectionBlocks();
    dxf.writeBlock(w, DL_BlockData("*Model_Space", 0, 0, 0, 0));
    dxf.writeEndBlock(w, "*Model_Space");
    dxf.writeBlock(w, DL_BlockData("*Paper_Space", 0, 0, 0, 0));
    dxf.writeEndBlock(w, "*Paper_Space");

    WriteBlockBegin(w, kTitleBlockRecord, kTitleBlockName, 2);  // with attribute definitions
    const Sheet paper{};
    const ModelSpace identity(paper);
    for (const Item& item : sheet.items) {
        if (!item.titleBlock) continue;
        const auto* text = std::get_if<Text>(&item.shape);
        if (text && !text->attribute.empty()) {
            w.dxfString(0, "ATTDEF");
            w.handle();
            w.dxfHex(330, kTitleBlockRecord);
            Text empty = *text;
            empty.text = "";
            const int vertical =
                WriteTextGroups(w, empty, item.layer, kNoView, identity, "AcDbAttributeDefinition");
            w.dxfString(3, text->attribute);
            w.dxfString(2, text->attribute);
            w.dxfInt(70, kInvisible);
            w.dxfInt(74, vertical);
        } else {
            WritePlainItem(dxf, w, item, identity);
        }
    }
    WriteBlockEnd(w, kTitleBlockRecord);

    // What each dimension draws, in the model's coordinates.
    for (std::size_t i = 0; i < dimensions.items.size(); ++i) {
        const Item& item = *dimensions.items[i];
        WriteBlockBegin(w, dimensions.records[i], DimensionBlocks::Name(i), 1);  // anonymous
        for (const Item& plain : PlainItems(item)) WritePlainItem(dxf, w, plain, model);
        WriteBlockEnd(w, dimensions.records[i]);
    }
    w.sectionEnd();
}

// One INSERT of the title block, enlarged like the frame, with the fields' values as invisible
// attributes: the data of the drawing for a CAD user's lists. Their visible texts are plain
// TEXT entities beside it, because some CAD programs (LibreCAD among them) do not draw
// attributes at all, and the sheet must read the same everywhere.
void WriteTitleBlockInsert(DxfStream& w, const Sheet& sheet, const ModelSpace& model) {
    w.dxfString(0, "INSERT");
    w.handle();
    w.dxfHex(330, kModelSpaceRecord);
    w.dxfString(100, "AcDbEntity");
    w.dxfString(8, DxfLayerName(Layer::Frame));
    w.dxfString(100, "AcDbBlockReference");
    w.dxfInt(66, 1);
    w.dxfString(2, kTitleBlockName);
    w.coord(10, 0, 0);
    w.dxfReal(41, model.Factor());
    w.dxfReal(42, model.Factor());
    w.dxfReal(43, model.Factor());
    for (const Item& item : sheet.items) {
        const auto* text = std::get_if<Text>(&item.shape);
        if (!item.titleBlock || !text || text->attribute.empty()) continue;
        w.dxfString(0, "ATTRIB");
        w.handle();
        w.dxfHex(330, kModelSpaceRecord);
        const int vertical = WriteTextGroups(w, *text, item.layer, kNoView, model, "AcDbAttribute");
        w.dxfString(2, text->attribute);
        w.dxfInt(70, kInvisible);
        w.dxfInt(74, vertical);
    }
    w.dxfString(0, "SEQEND");
    w.handle();
    w.dxfHex(330, kModelSpaceRecord);
    w.dxfString(100, "AcDbEntity");
    w.dxfString(8, DxfLayerName(Layer::Frame));
}

// The root dictionary with its group dictionary, each naming its owner.
void WriteObjects(DxfStream& w) {
    w.dxfString(0, "SECTION");
    w.dxfString(2, "OBJECTS");
    w.dxfString(0, "DICTIONARY");
    w.dxfHex(5, kRootDictionary);
    w.dxfHex(330, 0);
    w.dxfString(100, "AcDbDictionary");
    w.dxfInt(281, 1);
    w.dxfString(3, "ACAD_GROUP");
    w.dxfHex(350, kGroupDictionary);
    w.dxfString(0, "DICTIONARY");
    w.dxfHex(5, kGroupDictionary);
    w.dxfHex(330, kRootDictionary);
    w.dxfString(100, "AcDbDictionary");
    w.dxfInt(281, 1);
    w.sectionEnd();
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

std::string DxfText(const Sheet& sheet) {
    DL_Dxf dxf;
    DxfStream w(DL_Codes::AC1015);
    w.Reserve(256 * sheet.items.size() + 16384);
    const ModelSpace model(sheet);
    DimensionBlocks dimensions;
    for (const Item& item : sheet.items) {
        if (!item.titleBlock && std::holds_alternative<Dimension>(item.shape)) {
            dimensions.items.push_back(&item);
        }
    }
    WriteHeaderVariables(dxf, w, sheet, model);
    WriteTables(dxf, w, dimensions);
    WriteBlocks(dxf, w, sheet, dimensions, model);
    w.sectionEntities();
    bool titleBlock = false;
    std::size_t dimension = 0;
    for (const Item& item : sheet.items) {
        if (item.titleBlock) {
            titleBlock = true;
            const auto* text = std::get_if<Text>(&item.shape);
            if (text && !text->attribute.empty() && !text->text.empty()) {
                WritePlainItem(dxf, w, item, model);
            }
            continue;
        }
        WriteItem(dxf, w, item, model, dimension);
    }
    if (titleBlock) WriteTitleBlockInsert(w, sheet, model);
    w.sectionEnd();
    WriteObjects(w);
    w.dxfEOF();
    return w.Take();
}

void WriteDxf(const Sheet& sheet, const std::string& path) {
    ReplaceFileAtomically(path, DxfText(sheet), path);
}

}  // namespace gearpair
