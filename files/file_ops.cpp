// The file layer's error codes and messages, the same on every system.
#include "files/file_ops.h"

#include <cerrno>

#include "core/errors.h"

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

void ThrowPosixError(int posixError) {
    const int code = FileErrorCode(posixError);
    // An errno without a Windows counterpart keeps its number, but is always reported as an
    // I/O error: EIO (5) must not read "File access denied".
    const bool mapped = code != posixError || posixError == ENOENT;
    throw FileError(code, mapped ? FileErrorMessage(code) : "I/O error " + std::to_string(code));
}

}  // namespace gearpair
