// The program directory by the Windows and the POSIX rule, and the drawing directory's parent.
#include "files/program_dir.h"

#include <filesystem>
#include <system_error>

namespace gearpair {

namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EndsWith(std::string_view text, char c) {
    return !text.empty() && text.back() == c;
}

// A directory path without its trailing separator (the root keeps its own).
std::filesystem::path DirectoryPath(std::string_view text) {
    std::filesystem::path path = std::filesystem::path(std::string(text)).lexically_normal();
    if (!path.has_filename() && path.has_relative_path()) path = path.parent_path();
    return path;
}

}  // namespace

std::string ProgramDirectoryWindows(std::string_view executablePath) {
    std::string path(executablePath);
    for (char& c : path) c = LowerAscii(c);
    const std::size_t cut = path.find_last_of("\\:");
    if (cut == std::string::npos) return "\\";
    // The directory part ends before the last backslash, unless that backslash follows a
    // drive colon or another backslash (the root c:\ keeps it).
    std::size_t length = cut + 1;
    if (path[cut] == '\\' && cut > 0 && path[cut - 1] != ':' && path[cut - 1] != '\\') {
        length = cut;
    }
    path.resize(length);
    path += '\\';
    return path;
}

std::string ProgramDirectoryPosix(std::string_view executablePath) {
    const std::filesystem::path normal =
        std::filesystem::path(std::string(executablePath)).lexically_normal();
    std::string directory = normal.parent_path().generic_string();
    if (directory.empty()) return "./";
    if (!EndsWith(directory, '/')) directory += '/';
    return directory;
}

std::string ProgramDirectory(std::string_view executablePath) {
#ifdef _WIN32
    return ProgramDirectoryWindows(executablePath);
#else
    std::filesystem::path path{std::string(executablePath)};
    if (path.is_relative()) {
        std::error_code error;
        std::filesystem::path absolute = std::filesystem::absolute(path, error);
        if (!error) path = std::move(absolute);
    }
    return ProgramDirectoryPosix(path.generic_string());
#endif
}

std::string ProgramDirectoryOfFolder(std::string_view directory) {
    // A stand-in file name inside the folder, so that the executable's rule applies.
#ifdef _WIN32
    const char separator = '\\';
#else
    const char separator = '/';
#endif
    std::string inside(directory);
    if (!inside.empty() && !EndsWith(inside, separator)) inside += separator;
    inside += "gearpair";
    return ProgramDirectory(inside);
}

bool IsInstalledProgramDirectory(std::string_view programDir, std::string_view installBinDir) {
    const std::filesystem::path program = DirectoryPath(programDir);
    const std::filesystem::path installed = DirectoryPath(installBinDir);
    if (program.is_relative() || installed.is_relative()) return false;
    return program == installed;
}

std::string DrawingParentWindows(std::string_view baseDir) {
    // Full-path normalisation folds repeated backslashes (a leading pair names a network
    // share and stays).
    std::string parent;
    for (std::size_t i = 0; i < baseDir.size(); ++i) {
        if (baseDir[i] == '\\' && i > 1 && EndsWith(parent, '\\')) continue;
        parent += baseDir[i];
    }
    if (EndsWith(parent, '\\') && parent.size() >= 2 && parent[parent.size() - 2] != ':') {
        parent.pop_back();
    }
    return parent;
}

std::string DrawingParentPosix(std::string_view baseDir) {
    if (EndsWith(baseDir, '/')) baseDir.remove_suffix(1);
    return std::string(baseDir);
}

}  // namespace gearpair
