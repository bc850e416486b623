// The program directory by the Windows and the POSIX rule, and the drawing directory's parent.
#include "files/program_dir.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "files/file_ops.h"

#ifdef _WIN32
#include <windows.h>

#include "files/wide_text.h"
#endif

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
    // Lexical, not through the file system's path type, so that the rule reads a POSIX path
    // the same way on every system (a backslash is a letter of a name here).
    const bool absolute = !executablePath.empty() && executablePath.front() == '/';
    const std::size_t lastSlash = executablePath.rfind('/');
    const std::string_view directory = lastSlash == std::string_view::npos
                                           ? std::string_view()
                                           : executablePath.substr(0, lastSlash);
    std::vector<std::string_view> segments;
    std::size_t start = 0;
    while (start <= directory.size()) {
        std::size_t end = directory.find('/', start);
        if (end == std::string_view::npos) end = directory.size();
        const std::string_view segment = directory.substr(start, end - start);
        start = end + 1;
        if (segment.empty() || segment == ".") continue;
        if (segment == "..") {
            if (!segments.empty() && segments.back() != "..") {
                segments.pop_back();
            } else if (!absolute) {
                segments.push_back(segment);  // above the root there is nothing to fold
            }
            continue;
        }
        segments.push_back(segment);
    }
    std::string result = absolute ? "/" : "";
    for (const std::string_view segment : segments) {
        result += segment;
        result += '/';
    }
    return result.empty() ? "./" : result;
}

#ifdef _WIN32
namespace {

// The full, normalised path the system makes of a name: relative to the current directory of
// its drive, forward slashes turned into backslashes, `.` and `..` resolved. A name it cannot
// take stays as it is.
std::string FullPathName(std::string_view path) {
    const std::optional<std::wstring> wide = Utf8ToUtf16(path);
    if (!wide) return std::string(path);
    std::wstring full(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetFullPathNameW(wide->c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0) return std::string(path);
        if (length < full.size()) {
            full.resize(length);
            return Utf16ToUtf8(full);
        }
        full.resize(length);
    }
}

}  // namespace
#endif

std::string ExecutablePath() {
#ifdef _WIN32
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return std::string();
        // A path that fills the buffer may have been cut: try again with a larger one.
        if (length < path.size()) {
            path.resize(length);
            return Utf16ToUtf8(path);
        }
        path.resize(path.size() * 2);
    }
#else
    std::error_code error;
    const std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : path.string();
#endif
}

std::string ProgramDirectory(std::string_view executablePath) {
#ifdef _WIN32
    return ProgramDirectoryWindows(FullPathName(executablePath));
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

std::string FileInFolder(std::string_view directory, std::string_view name) {
#ifdef _WIN32
    const char separator = '\\';
    const bool ended = EndsWith(directory, '\\') || EndsWith(directory, '/');
#else
    const char separator = '/';
    const bool ended = EndsWith(directory, '/');
#endif
    std::string path(directory);
    if (!path.empty() && !ended) path += separator;
    path += name;
    return path;
}

std::string ProgramDirectoryOfFolder(std::string_view directory) {
    // A stand-in file name inside the folder, so that the executable's rule applies.
    return ProgramDirectory(FileInFolder(directory, "gearpair"));
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

FileError ProgramDirectoryOutsideCp1251(std::string_view directory) {
    return FileError(kInvalidFilename,
                     NamedFileError(kInvalidFilename, directory).what() +
                         std::string(". Путь к каталогу программы может содержать только буквы и "
                                     "знаки кодовой страницы 1251 (латиница, кириллица): в ней "
                                     "сценарий чертежей получает путь к чертежам"));
}

}  // namespace gearpair
