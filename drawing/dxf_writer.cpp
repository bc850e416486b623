// A sheet's DXF for a CAD user to measure and edit: the header and tables, the blocks, the
// entities in model space (views at the part's real size, the rest at the inverse of the
// sheet's scale) and an OBJECTS section whose owners are all set, written atomically.
#include "drawing/dxf_writer.h"

#include <dl_dxf.h>

#include <string>
#include <variant>

#include "drawing/dxf_blocks.h"
#include "drawing/dxf_entities.h"
#include "drawing/dxf_model_space.h"
#include "drawing/dxf_stream.h"
#include "drawing/dxf_tables.h"
#include "files/file_ops.h"

namespace gearpair {

namespace {

// The OBJECTS section's dictionaries; their handles lie below those the entities take.
constexpr int kRootDictionary = 0xC;
constexpr int kGroupDictionary = 0xD;

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

std::string DxfText(const Sheet& sheet) {
    DL_Dxf dxf;
    DxfStream w(DL_Codes::AC1015);
    w.Reserve(256 * sheet.items.size() + 16384);
    const sheet_dxf::ModelSpace model(sheet);
    sheet_dxf::DimensionBlocks dimensions;
    for (const Item& item : sheet.items) {
        if (!item.titleBlock && std::holds_alternative<Dimension>(item.shape)) {
            dimensions.items.push_back(&item);
        }
    }
    sheet_dxf::WriteHeaderVariables(dxf, w, sheet, model);
    sheet_dxf::WriteTables(dxf, w, dimensions, model);
    sheet_dxf::WriteBlocks(dxf, w, sheet, dimensions, model);
    w.sectionEntities();
    bool titleBlock = false;
    std::size_t dimension = 0;
    for (const Item& item : sheet.items) {
        // The title block's lines and texts are its block's, its fields the INSERT's attributes.
        if (item.titleBlock) {
            titleBlock = true;
            continue;
        }
        sheet_dxf::WriteItem(dxf, w, item, model, dimension);
    }
    if (titleBlock) sheet_dxf::WriteTitleBlockInsert(w, sheet, model);
    w.sectionEnd();
    WriteObjects(w);
    w.dxfEOF();
    return w.Take();
}

void WriteDxf(const Sheet& sheet, const std::string& path) {
    ReplaceFileAtomically(path, DxfText(sheet), path);
}

}  // namespace gearpair
