// The header and tables of a sheet's DXF. dxflib writes the layers and line types; the tables
// whose records it writes with fixed or missing owners (text and dimension styles, block
// records) are written group by group here.
#include "drawing/dxf_tables.h"

#include <iterator>

namespace gearpair {
namespace sheet_dxf {

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

constexpr int kWhite = 7;
constexpr const char* kFontFile = "DejaVuSans.ttf";  // the text style's font

void Header(DxfStream& w, const char* name) {
    w.dxfString(9, name);
}

}  // namespace

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

namespace {

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
// the decimal comma, two decimals at most without trailing zeros. These sizes are paper mm;
// the model holds the views at the part's real size and the rest enlarged by `scale` (model mm
// per paper mm: 10 on a 1:10 sheet, 0,5 on a 2:1 sheet), so DIMSCALE is that factor: a CAD
// program that regenerates a dimension draws its 3,5 mm text 3,5 * scale model mm high, which
// plots at the sheet's scale as the 3,5 mm on paper the sheet has.
void WriteDimensionStyle(DxfStream& w, double scale) {
    TableHead(w, "DIMSTYLE", 0xA, 1);
    w.dxfString(100, "AcDbDimStyleTable");
    w.dxfInt(71, 0);
    RecordHead(w, "DIMSTYLE", 105, kDimStyleHandle, 0xA);
    w.dxfString(100, "AcDbDimStyleTableRecord");
    w.dxfString(2, kDimensionStyle);
    w.dxfInt(70, 0);
    w.dxfReal(40, scale);  // DIMSCALE
    w.dxfReal(41, 3);      // DIMASZ
    w.dxfReal(42, 0);      // DIMEXO
    w.dxfReal(43, 7);      // DIMDLI
    w.dxfReal(44, 2);      // DIMEXE
    w.dxfInt(73, 0);       // DIMTIH: inside texts aligned with the line
    w.dxfInt(74, 0);       // DIMTOH: outside texts aligned too
    w.dxfInt(77, 1);       // DIMTAD: above the line
    w.dxfInt(78, 8);       // DIMZIN: no trailing zeros
    w.dxfReal(140, 3.5);   // DIMTXT
    w.dxfReal(141, 0);     // DIMCEN: no centre marks
    w.dxfReal(147, 1);     // DIMGAP
    w.dxfInt(172, 1);      // DIMTOFL: the line drawn between the extension lines
    w.dxfInt(271, 2);      // DIMDEC
    w.dxfInt(278, ',');    // DIMDSEP
    w.dxfHex(340, kTextStyleHandle);
    w.dxfString(0, "ENDTAB");
}

void WriteBlockRecord(DxfStream& w, int handle, const std::string& name) {
    RecordHead(w, "BLOCK_RECORD", 5, handle, 1);
    w.dxfString(100, "AcDbBlockTableRecord");
    w.dxfString(2, name);
}

}  // namespace

void WriteTables(DL_Dxf& dxf, DxfStream& w, DimensionBlocks& dimensions, const ModelSpace& model) {
    w.sectionTables();
    dxf.writeVPort(w);

    // Dash-dot thin: 12 mm dashes, 3 mm gaps, a dot between (paper mm; $LTSCALE scales them to
    // the model).
    double dashDot[] = {12, -3, 0, -3};
    constexpr double kDashDotLength = 18;
    w.tableLinetypes(4);
    dxf.writeLinetype(w, DL_LinetypeData("BYBLOCK", "", 0, 0, 0));
    dxf.writeLinetype(w, DL_LinetypeData("BYLAYER", "", 0, 0, 0));
    dxf.writeLinetype(w, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0));
    dxf.writeLinetype(
        w, DL_LinetypeData("DASHDOT", "Dash dot __ . __ .", 0, 4, kDashDotLength, dashDot));
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
    WriteDimensionStyle(w, model.Factor());

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

}  // namespace sheet_dxf

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

}  // namespace gearpair
