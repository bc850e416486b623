// The title-block texts remembered between sessions in the user's settings:
// HKEY_CURRENT_USER\Software\gearpair\drawing, one string value per field, under the keys the
// Linux program uses in its settings file.
#pragma once

#include "drawing/drawings.h"

namespace gearpair::win {

// The remembered texts, or the defaults where none are or where the check of a user's text
// refuses one.
DrawingInputs RememberedTitleTexts();
void RememberTitleTexts(const DrawingInputs& inputs);

}  // namespace gearpair::win
