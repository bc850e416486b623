// The DXF header and tables of a sheet: units and dimension defaults, the line types, one
// coloured layer per sheet layer, the text and dimension styles and the block records; with the
// names and handles that the entities and blocks refer to.
#pragma once

#include <dl_dxf.h>

#include <cstddef>
#include <string>
#include <vector>

#include "drawing/dxf_model_space.h"
#include "drawing/dxf_stream.h"
#include "drawing/sheet.h"

namespace gearpair {

// The DXF layer name of a sheet layer.
const char* DxfLayerName(Layer layer);

namespace sheet_dxf {

// The text style: the drafting font the PDF uses (its file in the table's record), narrowed to
// 0.8 of its width; it has Cyrillic and ships in Debian (fonts-dejavu-core). CAD programs that
// read the style's font file take it. LibreCAD takes its font by the style's name instead, and
// its own fonts are stroke fonts: the style is named after its ГОСТ 2.304 type B font, which has
// Cyrillic, so that the sheet's Russian texts show there too (a style name that is no font of
// LibreCAD's gives its default font, which has no Cyrillic).
inline constexpr double kFontWidth = 0.8;
inline constexpr const char* kTextStyle = "lc_opengost-br";
// The dimension style and the title block's name.
inline constexpr const char* kDimensionStyle = "ESKD";
inline constexpr const char* kTitleBlockName = "TITLE_BLOCK";

// Handles of the records the tables write and the entities and blocks refer to; entities take
// theirs from the stream's counter, which starts above these.
inline constexpr int kModelSpaceRecord = 0x1F;
inline constexpr int kPaperSpaceRecord = 0x1B;
inline constexpr int kTitleBlockRecord = 0x2A;
inline constexpr int kTextStyleHandle = 0x2B;
inline constexpr int kDimStyleHandle = 0x2C;

// The anonymous blocks "*D1", "*D2"... that hold what each dimension draws, as CAD programs
// keep a dimension's picture beside its definition; their block records' handles.
struct DimensionBlocks {
    std::vector<const Item*> items;
    std::vector<int> records;

    static std::string Name(std::size_t index) { return "*D" + std::to_string(index + 1); }
};

// The HEADER section: units, limits and extents, the scales and the dimension defaults.
void WriteHeaderVariables(DL_Dxf& dxf, DxfStream& w, const Sheet& sheet, const ModelSpace& model);

// The TABLES section; takes the handles of the dimensions' block records. The dimension style
// carries the model's scale (DIMSCALE, model mm per paper mm).
void WriteTables(DL_Dxf& dxf, DxfStream& w, DimensionBlocks& dimensions, const ModelSpace& model);

}  // namespace sheet_dxf
}  // namespace gearpair
