// Writing the drawing files of a design.
#include "drawing/drawing_files.h"

#include "core/errors.h"
#include "drawing/drafting_font.h"
#include "drawing/dxf_writer.h"
#include "drawing/pdf_writer.h"
#include "drawing/svg_writer.h"
#include "files/file_ops.h"
#include "files/program_dir.h"

namespace gearpair {

DrawingFiles WriteDesignDrawings(const TGearDesign& design, const DesignProducts& products,
                                 const std::string& dir, bool withSvg, const DrawingInputs& inputs,
                                 const ShaftDesign* inputShaft) {
    DrawingFiles files;
    if (!products.buildable) return files;
    try {
        files.drawings = BuildDrawings(design, products, inputs, inputShaft);
        DraftingFont();  // a missing font fails before any file
        MakeDirectories(dir);
        const std::pair<const char*, const Sheet*> sheets[] = {{"wheel", &files.drawings.wheel},
                                                               {"pinion", &files.drawings.pinion}};
        for (const auto& [name, sheet] : sheets) {
            const std::string stem = FileInFolder(dir, name);
            WriteDxf(*sheet, stem + ".dxf");
            files.written.push_back(stem + ".dxf");
            WritePdf(*sheet, stem + ".pdf");
            files.written.push_back(stem + ".pdf");
            if (withSvg) {
                WriteSvg(*sheet, stem + ".svg");
                files.written.push_back(stem + ".svg");
            }
        }
    } catch (const Error& e) {
        files.error = e.what();
    }
    return files;
}

}  // namespace gearpair
