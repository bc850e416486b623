// Dimensions as DXF DIMENSION entities that measure the geometry, with their texts placed where
// the sheet puts them.
#pragma once

#include <string>

#include "drawing/dxf_model_space.h"
#include "drawing/dxf_stream.h"
#include "drawing/sheet.h"

namespace gearpair {

// The text of a DIMENSION entity: empty where the sheet writes the measured value plainly,
// "<>" for the measured value inside a longer text ("%%c<>H7(+0,030)"), the literal text where
// the sheet's size is not the measured one (an accepted size).
std::string DimensionTextOverride(const Dimension& dimension);

namespace sheet_dxf {

// A dimension item as a DIMENSION entity drawn by the anonymous block `block`.
void WriteDimension(DxfStream& w, const Item& item, const std::string& block,
                    const ModelSpace& model);

}  // namespace sheet_dxf
}  // namespace gearpair
