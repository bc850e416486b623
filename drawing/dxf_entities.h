// The entities of a sheet's DXF: lines, polylines, arrowheads, circles, arcs, texts, section
// hatching and dimensions, each mapped into the model.
#pragma once

#include <dl_dxf.h>

#include <cstddef>

#include "drawing/dxf_model_space.h"
#include "drawing/dxf_stream.h"
#include "drawing/sheet.h"

namespace gearpair::sheet_dxf {

// The groups of a text after its handle and owner, up to and with `subclass` (a TEXT's, an
// ATTDEF's or an ATTRIB's); returns the vertical justification, which the caller writes last.
int WriteTextGroups(DxfStream& w, const Text& text, Layer layer, int view, const ModelSpace& model,
                    const char* subclass);

// A line, polyline, circle, arc or text through dxflib's calls.
void WritePlainItem(DL_Dxf& dxf, DxfStream& w, const Item& item, const ModelSpace& model);

// Any item of the sheet; `dimension` counts the dimensions written, whose blocks are named in
// that order.
void WriteItem(DL_Dxf& dxf, DxfStream& w, const Item& item, const ModelSpace& model,
               std::size_t& dimension);

}  // namespace gearpair::sheet_dxf
