// The desktop program's directory for hand-off files on Windows: its own, or, for a program
// installed under Program Files, which its users cannot write, "gearpair" in their documents.
#pragma once

#include <string>

namespace gearpair::win {

std::string DesktopProgramDirectory();

}  // namespace gearpair::win
