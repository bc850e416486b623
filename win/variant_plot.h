// The variants window's plot painted with GDI from its layout (app/variant_plot_layout.h).
#pragma once

#include <windows.h>

#include "app/variant_plot_layout.h"

namespace gearpair::win {

// Paints the plot over (0, 0) to (width, height) of `dc` in device pixels, `scale` of them per
// logical pixel, in `font` with the title in `bold`.
void PaintVariantPlot(HDC dc, int width, int height, double scale, const VariantPlotLayout& layout,
                      HFONT font, HFONT bold);

}  // namespace gearpair::win
