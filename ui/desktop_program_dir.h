// Where the desktop program keeps its hand-off files. Run from any folder it uses its own
// directory; installed, in a system directory its users cannot write, it uses the user's
// documents directory plus `gearpair/` instead.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace gearpair {

// The program directory (`baseDir`, with its trailing separator) for the executable at
// `executablePath`, created when it is the documents folder and missing. `installBinDir` is
// the absolute directory the build installs its programs into.
std::string DesktopProgramDirectory(const QString& executablePath, std::string_view installBinDir);

// The same for the installation this program was built for.
std::string DesktopProgramDirectory(const QString& executablePath);

}  // namespace gearpair
