// The fonts of the windows, given as character heights in pixels.
#pragma once

#include <QFont>

namespace gearpair {

// MS Sans Serif where the system has it, otherwise the system's sans-serif condensed to about
// MS Sans Serif's widths, at the given character height: 11 pixels for the forms, 13 for the
// results headline, 19 for the report. Needs the application object.
QFont FormFont(int pixelSize);

}  // namespace gearpair
