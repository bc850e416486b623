// The figure of a shaft's strength calculation, as a machine-elements textbook draws it: the
// shaft on its two hinged supports with the loads and the reactions, and under it, to the same
// length scale, the diagrams of the bending moments and the torque; written as PDF and SVG.
#pragma once

#include <string>
#include <vector>

#include "drawing/sheet.h"
#include "engine/shafts.h"

namespace gearpair {

// The scheme of the shaft with its loads and supports, and beneath it the diagrams Mr, Mt, M
// and T, on an A4 landscape sheet (A3 landscape when the texts do not fit A4 apart), without a
// title block; texts Russian. Needs the drafting font (for the texts' widths); its absence
// throws Error.
Sheet ShaftFigure(const ShaftDesign& shaft);

// What writing the figures of both shafts produced.
struct ShaftFigureFiles {
    std::vector<std::string> written;  // the files written, in order
    std::string error;  // the message of the failure that ended the writing; empty when none
};

// Writes input.pdf, input.svg, output.pdf, output.svg into `dir`, created when missing, each
// replaced atomically. The first failure ends the writing: its message (naming the file or the
// directory) is the result's error, and the files written before it stay and are listed. A
// missing drafting font is such a failure, before any file.
ShaftFigureFiles WriteShaftFigures(const ShaftsDesign& shafts, const std::string& dir);

}  // namespace gearpair
