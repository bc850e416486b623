// The desktop program's directory on Windows.
#include "win/documents_dir.h"

#include <shlobj.h>

#include "files/program_dir.h"
#include "win/controls.h"

namespace gearpair::win {

namespace {

// A known folder as a program directory (ASCII lower-cased, trailing backslash); empty when
// the system has none.
std::string KnownFolder(REFKNOWNFOLDERID id) {
    PWSTR path = nullptr;
    std::string folder;
    if (SUCCEEDED(SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &path))) {
        folder = Narrow(path);
    }
    CoTaskMemFree(path);
    return folder.empty() ? folder : ProgramDirectoryOfFolder(folder);
}

}  // namespace

std::string DesktopProgramDirectory() {
    const std::string own = ProgramDirectory(ExecutablePath());
    const std::string programFiles = KnownFolder(FOLDERID_ProgramFiles);
    if (programFiles.empty() || own.compare(0, programFiles.size(), programFiles) != 0) return own;
    const std::string documents = KnownFolder(FOLDERID_Documents);
    if (documents.empty()) return own;
    const std::string folder = documents + "gearpair";
    // A folder that cannot be made shows up as the hand-off's file error on the first run.
    CreateDirectoryW(Wide(folder).c_str(), nullptr);
    return ProgramDirectoryOfFolder(folder);
}

}  // namespace gearpair::win
