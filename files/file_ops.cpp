// The file layer's error codes and messages, the same on every system.
#include "files/file_ops.h"

#include <optional>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <system_error>

#include "core/errors.h"
#include "files/utf8_path.h"

namespace gearpair {

std::string FileErrorMessage(int code) {
    switch (code) {
        case kFileNotFound:
            return "File not found";
        case kInvalidFilename:
            return "Invalid filename";
        case kTooManyOpenFiles:
            return "Too many open files";
        case kFileAccessDenied:
            return "File access denied";
        case kReadBeyondEnd:
            return "Read beyond end of file";
        case kDiskFull:
            return "Disk full";
        case kInvalidNumericInput:
            return "Invalid numeric input";
        default:
            return "I/O error " + std::to_string(code);
    }
}

int FileErrorCode(int posixError) {
    switch (posixError) {
        case ENOENT:
            return kFileNotFound;
        case ENOTDIR:
        case ENAMETOOLONG:
        case EINVAL:
#ifdef ELOOP
        case ELOOP:  // symbolic links that lead round in a circle never name a file
#endif
            return kInvalidFilename;
        case EMFILE:
        case ENFILE:
            return kTooManyOpenFiles;
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
            return kFileAccessDenied;
        case ENOSPC:
#if defined(EDQUOT) && EDQUOT != ENOSPC
        case EDQUOT:
#endif
            return kDiskFull;
        case EEXIST:
            return kAlreadyExists;
        default:
            return posixError;
    }
}

int WindowsFileErrorCode(unsigned long systemError) {
    constexpr unsigned long kHandleEof = 38;
    constexpr unsigned long kHandleDiskFull = 39;
    constexpr unsigned long kSystemDiskFull = 112;
    switch (systemError) {
        case kHandleEof:
            return kReadBeyondEnd;
        case kHandleDiskFull:
        case kSystemDiskFull:
            return kDiskFull;
        default:
            return static_cast<int>(systemError);
    }
}

void ThrowFileError(int code) {
    throw FileError(code, FileErrorMessage(code));
}

namespace {

std::string PosixErrorMessage(int posixError) {
    const int code = FileErrorCode(posixError);
    // An errno without a Windows counterpart keeps its number, but is always reported as an
    // I/O error: EIO (5) must not read "File access denied".
    const bool mapped = code != posixError || posixError == ENOENT;
    return mapped ? FileErrorMessage(code) : "I/O error " + std::to_string(code);
}

}  // namespace

void ThrowPosixError(int posixError) {
    throw FileError(FileErrorCode(posixError), PosixErrorMessage(posixError));
}

FileError NamedFileError(int code, std::string_view name) {
    return FileError(code, FileErrorMessage(code) + ": " + std::string(name));
}

FileError NamedPosixError(int posixError, std::string_view name) {
    return FileError(FileErrorCode(posixError),
                     PosixErrorMessage(posixError) + ": " + std::string(name));
}

void IgnoreWriteSignals(bool brokenPipes) {
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
#ifdef SIGPIPE
    if (brokenPipes) std::signal(SIGPIPE, SIG_IGN);
#else
    (void)brokenPipes;
#endif
}

void MakeDirectories(const std::string& path) {
    const std::filesystem::path directory = Utf8Path(path);
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    // A file standing in the way of the directory is no directory name.
    if ((!error || error == std::errc::file_exists) && !std::filesystem::is_directory(directory)) {
        throw NamedFileError(kInvalidFilename, path);
    }
    if (!error) return;
#ifdef _WIN32
    if (error.category() != std::generic_category()) {
        throw NamedFileError(WindowsFileErrorCode(static_cast<unsigned long>(error.value())), path);
    }
#endif
    throw NamedPosixError(error.value(), path);
}

namespace {

// Digits only, as a non-negative number; nothing for anything else.
std::optional<long> Number(std::string_view digits) {
    if (digits.empty() || digits.size() > 9) return std::nullopt;
    long value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

std::optional<OpenDescriptor> DescriptorNamed(std::string_view processDirectory,
                                              std::string_view name) {
    const std::optional<long> descriptor = Number(name);
    constexpr std::string_view kFd = "/fd";
    if (!descriptor || !processDirectory.ends_with(kFd)) return std::nullopt;
    const std::string_view ids = processDirectory.substr(0, processDirectory.size() - kFd.size());
    const std::size_t task = ids.find("/task/");
    const std::optional<long> process = Number(ids.substr(0, task));
    if (!process) return std::nullopt;
    if (task != std::string_view::npos && !Number(ids.substr(task + 6))) return std::nullopt;
    return OpenDescriptor{*process, *descriptor};
}

}  // namespace gearpair
