// The BLOCKS section of a sheet's DXF (the title block with an attribute definition per field,
// and what each dimension draws) and the title block's INSERT with the fields' values.
#pragma once

#include <dl_dxf.h>

#include "drawing/dxf_model_space.h"
#include "drawing/dxf_stream.h"
#include "drawing/dxf_tables.h"
#include "drawing/sheet.h"

namespace gearpair::sheet_dxf {

void WriteBlocks(DL_Dxf& dxf, DxfStream& w, const Sheet& sheet, const DimensionBlocks& dimensions,
                 const ModelSpace& model);

void WriteTitleBlockInsert(DxfStream& w, const Sheet& sheet, const ModelSpace& model);

}  // namespace gearpair::sheet_dxf
