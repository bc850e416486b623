// The arrangement pictures on the form's three buttons, painted with GDI: the shaft, its two
// bearings and the gear where the arrangement puts it.
#pragma once

#include <windows.h>

namespace gearpair::win {

// Logical size of a picture, pixels.
inline constexpr SIZE kArrangementPictureSize{140, 50};

// Paints the button of `arrangement` (1 overhanging, 2 near a bearing, 3 midway) into the
// owner-drawn button's rectangle; a button that is down is shaded and its picture shifted.
void PaintArrangementButton(const DRAWITEMSTRUCT& item, int arrangement, bool down);

}  // namespace gearpair::win
