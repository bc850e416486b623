// Writing the drawing files of a design.
#include "drawing/drawing_files.h"

#include "drawing/dxf_writer.h"
#include "drawing/sheet_painter.h"

namespace gearpair {

std::vector<std::string> WriteDrawings(const DrawingSet& set, const std::string& dir,
                                       bool withSvg) {
    std::string base = dir;
    if (!base.empty() && base.back() != '/') base += '/';
    std::vector<std::string> written;
    const std::pair<const char*, const Sheet*> sheets[] = {{"wheel", &set.wheel},
                                                           {"pinion", &set.pinion}};
    for (const auto& [name, sheet] : sheets) {
        const std::string stem = base + name;
        WriteDxf(*sheet, stem + ".dxf");
        written.push_back(stem + ".dxf");
        WritePdf(*sheet, stem + ".pdf");
        written.push_back(stem + ".pdf");
        if (withSvg) {
            WriteSvg(*sheet, stem + ".svg");
            written.push_back(stem + ".svg");
        }
    }
    return written;
}

}  // namespace gearpair
