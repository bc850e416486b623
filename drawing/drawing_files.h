// The drawing pipeline of a completed design: part sizes, both sheets, then the files of the
// working drawings in a directory, DXF, PDF and optionally SVG of the wheel, then of the pinion.
// Both front ends write their drawings through it.
#pragma once

#include <string>
#include <vector>

#include "drawing/drawings.h"
#include "engine/design_products.h"
#include "engine/gear_design.h"

namespace gearpair {

// What writing a design's drawings produced.
struct DrawingFiles {
    DrawingSet drawings;               // both sheets, for a window that shows them
    std::vector<std::string> written;  // the files written, in order
    std::string error;  // the message of the failure that ended the writing; empty when none
};

// Builds the sheets of the design (the record after a completed run and its products) and
// writes wheel.dxf, wheel.pdf, [wheel.svg], pinion.dxf, pinion.pdf, [pinion.svg] into `dir`,
// created when missing, each replaced atomically. The first failure ends the writing: its
// message (naming the file) is the result's error, and the files written before it stay and
// are listed. A missing drafting font is such a failure, before any file. `inputs` are the title
// blocks' texts; one that cannot go onto a sheet is the result's error, and nothing is written.
// A gear shaft is drawn whole from `inputShaft` where the caller has the shafts.
// A pair that cannot be made (`products.buildable` false) gets no sheets: nothing is built or
// written, not even the directory, and the result is empty without an error; the caller says
// why (a sheet marked "not for manufacture" would still be a sheet a workshop may receive).
DrawingFiles WriteDesignDrawings(const TGearDesign& design, const DesignProducts& products,
                                 const std::string& dir, bool withSvg,
                                 const DrawingInputs& inputs = {},
                                 const ShaftDesign* inputShaft = nullptr);

}  // namespace gearpair
