// Saving a working drawing.
#include "app/sheet_files.h"

#include "drawing/dxf_writer.h"
#include "drawing/pdf_writer.h"
#include "drawing/svg_writer.h"

namespace gearpair {

SheetFileTexts TextsOf(SheetFileKind kind) {
    switch (kind) {
        case SheetFileKind::Pdf:
            return {"pdf", "Сохранить PDF", "Документ PDF (*.pdf)", "*.pdf"};
        case SheetFileKind::Svg:
            return {"svg", "Сохранить SVG", "Рисунок SVG (*.svg)", "*.svg"};
        case SheetFileKind::Dxf:
            break;
    }
    return {"dxf", "Сохранить DXF", "Чертёж DXF (*.dxf)", "*.dxf"};
}

void WriteSheetFile(const Sheet& sheet, SheetFileKind kind, const std::string& path) {
    switch (kind) {
        case SheetFileKind::Dxf:
            WriteDxf(sheet, path);
            break;
        case SheetFileKind::Pdf:
            WritePdf(sheet, path);
            break;
        case SheetFileKind::Svg:
            WriteSvg(sheet, path);
            break;
    }
}

}  // namespace gearpair
