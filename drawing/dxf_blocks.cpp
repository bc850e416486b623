// The title block as a block whose fields are attributes, the dimensions' anonymous blocks, and
// the title block's one INSERT.
#include "drawing/dxf_blocks.h"

#include <string>

#include "drawing/dxf_entities.h"
#include "drawing/sheet_expand.h"

namespace gearpair::sheet_dxf {

namespace {

// Attribute flags: none, a visible attribute; the title block's fields are seen on the sheet
// as their attributes.
constexpr int kVisible = 0;

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

}  // namespace

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
            w.dxfInt(70, kVisible);
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

// One INSERT of the title block, enlarged like the frame, with the fields' values as its
// visible attributes: the texts of the title block as the sheet shows them, and the data of the
// drawing for a CAD user's lists; no plain text repeats them.
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
        w.dxfInt(70, kVisible);
        w.dxfInt(74, vertical);
    }
    w.dxfString(0, "SEQEND");
    w.handle();
    w.dxfHex(330, kModelSpaceRecord);
    w.dxfString(100, "AcDbEntity");
    w.dxfString(8, DxfLayerName(Layer::Frame));
}

}  // namespace gearpair::sheet_dxf
