// The profile DXF, written through dxflib into the shared DXF stream.
#include "model/profile_dxf.h"

#include <dl_dxf.h>

#include "drawing/dxf_stream.h"

namespace gearpair {

namespace {

constexpr int kWhite = 7;
constexpr int kRed = 1;
constexpr int kByLayer = 256;

void WritePolygon(DL_Dxf& dxf, DL_WriterA& w, const std::vector<OutlinePoint>& polygon,
                  const char* layer) {
    const DL_Attributes attributes(layer, kByLayer, -1, "BYLAYER", 1.0);
    dxf.writePolyline(w, DL_PolylineData(static_cast<int>(polygon.size()), 0, 0, 1), attributes);
    for (const OutlinePoint p : polygon) dxf.writeVertex(w, DL_VertexData(p.x, p.y, 0, 0));
    dxf.writePolylineEnd(w);
}

}  // namespace

std::string ProfileDxf(const GearSection& section, DxfVersion version) {
    const DL_Codes::version code = version == DxfVersion::R12 ? DL_Codes::AC1009 : DL_Codes::AC1015;
    DL_Dxf dxf;
    // dxflib takes the version for its entities only from the call that opens its own file;
    // with no name that call opens nothing and returns no writer, but keeps the version.
    dxf.out("", code);
    DxfStream w(code);
    const bool r2000 = version == DxfVersion::R2000;

    dxf.writeHeader(w);
    w.dxfString(9, "$INSUNITS");
    w.dxfInt(70, 4);  // millimetres
    w.dxfString(9, "$MEASUREMENT");
    w.dxfInt(70, 1);  // metric
    w.sectionEnd();

    w.sectionTables();
    dxf.writeVPort(w);
    w.tableLinetypes(r2000 ? 3 : 1);
    if (r2000) {
        dxf.writeLinetype(w, DL_LinetypeData("BYBLOCK", "", 0, 0, 0));
        dxf.writeLinetype(w, DL_LinetypeData("BYLAYER", "", 0, 0, 0));
    }
    dxf.writeLinetype(w, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0));
    w.tableEnd();
    w.tableLayers(3);
    dxf.writeLayer(w, DL_LayerData("0", 0), DL_Attributes("", kWhite, 25, "CONTINUOUS", 1.0));
    dxf.writeLayer(w, DL_LayerData(kOutlineLayer, 0),
                   DL_Attributes("", kWhite, 50, "CONTINUOUS", 1.0));
    dxf.writeLayer(w, DL_LayerData(kBoreLayer, 0), DL_Attributes("", kRed, 50, "CONTINUOUS", 1.0));
    w.tableEnd();
    w.tableStyle(1);
    dxf.writeStyle(w, DL_StyleData("Standard", 0, 0, 1, 0, 0, 2.5, "txt", ""));
    w.tableEnd();
    dxf.writeView(w);
    dxf.writeUcs(w);
    w.tableAppid(1);
    dxf.writeAppid(w, "ACAD");
    w.tableEnd();
    dxf.writeDimStyle(w, 2.5, 0.625, 0.625, 0.625, 2.5);
    if (r2000) {
        // dxflib's own block record table adds a second paper space that nothing lays out; the
        // model and the one paper space, with dxflib's handles for them, are all a profile has.
        w.dxfString(0, "TABLE");
        w.dxfString(2, "BLOCK_RECORD");
        w.dxfHex(5, 1);
        w.dxfString(100, "AcDbSymbolTable");
        w.dxfInt(70, 2);
        for (const auto& [handle, name] :
             {std::pair{0x1F, "*Model_Space"}, {0x1B, "*Paper_Space"}}) {
            w.dxfString(0, "BLOCK_RECORD");
            w.dxfHex(5, handle);
            w.dxfString(100, "AcDbSymbolTableRecord");
            w.dxfString(100, "AcDbBlockTableRecord");
            w.dxfString(2, name);
        }
        w.tableEnd();
    }
    w.sectionEnd();

    w.sectionBlocks();
    dxf.writeBlock(w, DL_BlockData("*Model_Space", 0, 0, 0, 0));
    dxf.writeEndBlock(w, "*Model_Space");
    dxf.writeBlock(w, DL_BlockData("*Paper_Space", 0, 0, 0, 0));
    dxf.writeEndBlock(w, "*Paper_Space");
    w.sectionEnd();

    w.sectionEntities();
    WritePolygon(dxf, w, section.outline.points, kOutlineLayer);
    if (!section.bore.empty()) WritePolygon(dxf, w, section.bore, kBoreLayer);
    w.sectionEnd();
    // No OBJECTS section: dxflib's dictionaries carry no owner handles, which readers then
    // repair; without them a reader makes its own defaults.
    w.dxfEOF();
    return w.Take();
}

}  // namespace gearpair
