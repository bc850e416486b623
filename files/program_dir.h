// The program directory (`baseDir`): the folder that holds the run counter, the drawing
// directories and the files for the drawing script, always with its trailing separator.
#pragma once

#include <string>
#include <string_view>

#include "core/errors.h"

namespace gearpair {

// The Windows rule for an executable's full path: ASCII letters lower-cased (Cyrillic keeps its
// case), cut at the last backslash or drive colon, plus one backslash. `C:\Gears\gearpair.exe`
// gives `c:\gears\`; a program in the root, `c:\x.exe`, gives `c:\\`.
std::string ProgramDirectoryWindows(std::string_view executablePath);

// The POSIX rule for an executable's path: the directory as it is named (case kept, the file
// systems are case-sensitive), repeated and `.` segments folded, `..` resolved lexically, with
// one trailing `/`. `/opt/Gears/gearpair` gives `/opt/Gears/`; `/gearpair` gives `/`.
std::string ProgramDirectoryPosix(std::string_view executablePath);

// The rule of the platform this was built for, on the full path: on Windows the system's
// full, normalised path name (forward slashes become backslashes), on POSIX a relative path
// made absolute against the current directory, so that the drawing script gets a full path.
std::string ProgramDirectory(std::string_view executablePath);

// The full path of the running program: GetModuleFileNameW on Windows, /proc/self/exe on
// Linux; empty when the system does not tell.
std::string ExecutablePath();

// The same for a path that names the directory itself (the command line's hand-off
// directory): `/tmp/run` gives `/tmp/run/`, `C:\Run` gives `c:\run\` on Windows.
std::string ProgramDirectoryOfFolder(std::string_view directory);

// The path of a file named `name` in `directory`, joined with this platform's separator unless
// the directory ends with one (on Windows either slash): `d` gives `d/name` (`d\name` on
// Windows), `d/` gives `d/name`; an empty directory gives the name alone.
std::string FileInFolder(std::string_view directory, std::string_view name);

// Whether a program directory (`ProgramDirectory` of the executable) is the directory that
// the build installs its programs into, `installBinDir` (absolute: the install prefix with
// its `bin`). Paths are compared by components after lexical normalisation, so a trailing
// separator does not count and `/usr2/bin/` is not `/usr/bin`; a relative path never
// matches. An installed program lives in a system directory that its users cannot write.
bool IsInstalledProgramDirectory(std::string_view programDir, std::string_view installBinDir);

// The program directory P as the drawing directory is built from: `baseDir` without its
// trailing separator. Windows: repeated backslashes folded, the backslash after a drive
// colon kept (`c:\gears\` gives `c:\gears`, `c:\\` gives `c:\`). POSIX: `/opt/g/` gives
// `/opt/g`, the root gives the empty text (its drawing directory is `/dwg1`).
std::string DrawingParentWindows(std::string_view baseDir);
std::string DrawingParentPosix(std::string_view baseDir);

// The error of a program directory whose path code page 1251 cannot hold: "path.lsp" hands the
// drawing script the drawing directory in that code page, the only one it reads. Code 3,
// "Invalid filename: <directory>", then the reason in Russian.
FileError ProgramDirectoryOutsideCp1251(std::string_view directory);

}  // namespace gearpair
