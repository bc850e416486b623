// The file layer: file and directory operations that report every failure as a FileError
// with a Windows-style code and its message, the same on every system.
#pragma once

#include <string>
#include <string_view>

namespace gearpair {

// "File not found" (2), "Invalid filename" (3), "Too many open files" (4), "File access
// denied" (5), "Read beyond end of file" (100), "Disk full" (101), "Invalid numeric input"
// (106), any other code "I/O error <code>".
std::string FileErrorMessage(int code);

// The Windows-style code for a POSIX errno value.
int FileErrorCode(int posixError);

// Replaces the file at `path` by `bytes` atomically: a temporary file in the same directory,
// then a rename over the old one. A file that cannot be created throws FileError with
// "Cannot create file <nameInMessage>"; a failed write or rename throws the mapped code's
// message. On any failure the previous file stays as it was.
void ReplaceFileAtomically(const std::string& path, std::string_view bytes,
                           std::string_view nameInMessage);

}  // namespace gearpair
