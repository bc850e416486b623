// The desktop program's directory for hand-off files: its own, or the user's documents.
#include "ui/desktop_program_dir.h"

#include <QDir>
#include <QStandardPaths>

#include <filesystem>
#include <system_error>

#include "files/program_dir.h"

namespace gearpair {

std::string DesktopProgramDirectory(const QString& executablePath, std::string_view installBinDir) {
    const std::string own = ProgramDirectory(executablePath.toStdString());
    // The executable's directory is its real path; so must the installed one be (on a merged
    // /usr system /bin is /usr/bin).
    std::error_code error;
    std::filesystem::path installed =
        std::filesystem::weakly_canonical(std::filesystem::path(std::string(installBinDir)), error);
    if (error) installed = std::string(installBinDir);
    if (!IsInstalledProgramDirectory(own, installed.string())) return own;

    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty()) return own;
    const QString folder = QDir(documents).filePath(QStringLiteral("gearpair"));
    // A folder that cannot be made shows up as the hand-off's file error on the first run.
    QDir().mkpath(folder);
    return ProgramDirectoryOfFolder(folder.toStdString());
}

std::string DesktopProgramDirectory(const QString& executablePath) {
    return DesktopProgramDirectory(executablePath, GEARPAIR_INSTALL_BINDIR);
}

}  // namespace gearpair
