// The profile DXF, written through dxflib into a string.
#include "model/profile_dxf.h"

#include <dl_dxf.h>
#include <dl_writer_ascii.h>

#include <charconv>
#include <cmath>

namespace gearpair {

namespace {

// dxflib's ASCII writer gathering its output in a string. Coordinates with six decimals (a
// nanometre), trailing zeros dropped.
class StringDxfWriter : public DL_WriterA {
public:
    explicit StringDxfWriter(DL_Codes::version version) : DL_WriterA("", version) {}

    void dxfReal(int gc, double value) const override {
        char buffer[48];
        auto end =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6).ptr;
        while (end[-1] == '0') --end;
        if (end[-1] == '.') --end;
        std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
        if (text == "-0") text = "0";
        Group(gc, text);
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

    std::string Take() { return std::move(text_); }

private:
    void Group(int gc, std::string_view value) const {
        char code[8];
        const auto end = std::to_chars(code, code + sizeof code, gc).ptr;
        const auto digits = static_cast<std::size_t>(end - code);
        if (digits < 3) text_.append(3 - digits, ' ');
        text_.append(code, digits);
        text_ += '\n';
        text_ += value;
        text_ += '\n';
    }

    mutable std::string text_;
};

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
    StringDxfWriter w(code);
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
