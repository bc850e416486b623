// The file layer: file and directory operations that report every failure as a FileError
// with a Windows-style code and its message, the same on every system. POSIX calls underneath
// (the errno behind each code exact), the Windows API on Windows (its own codes passed on).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/errors.h"

namespace gearpair {

// Codes of the messages; any other code reads "I/O error <code>".
inline constexpr int kFileNotFound = 2;
inline constexpr int kInvalidFilename = 3;
inline constexpr int kTooManyOpenFiles = 4;
inline constexpr int kFileAccessDenied = 5;
inline constexpr int kReadBeyondEnd = 100;
inline constexpr int kDiskFull = 101;
inline constexpr int kInvalidNumericInput = 106;
inline constexpr int kAlreadyExists = 183;

// "File not found" (2), "Invalid filename" (3), "Too many open files" (4), "File access
// denied" (5), "Read beyond end of file" (100), "Disk full" (101), "Invalid numeric input"
// (106), any other code "I/O error <code>".
std::string FileErrorMessage(int code);

// The Windows-style code for a POSIX errno value.
int FileErrorCode(int posixError);

// The code for an error the Windows API reports (GetLastError): the system's own code, except
// that a full disk (39, 112) is "Disk full" (101) and the end of a file (38) "Read beyond end
// of file" (100), as the messages name them.
int WindowsFileErrorCode(unsigned long systemError);

// Throws FileError(code, FileErrorMessage(code)).
[[noreturn]] void ThrowFileError(int code);

// Throws FileError for a failed POSIX call: the mapped code with its message, or for an errno
// without a Windows counterpart its own number with "I/O error <number>".
[[noreturn]] void ThrowPosixError(int posixError);

// The one message of a failed operation on a named file: the code's message, then the name
// ("Disk full: /home/user/gears/wheel.dxf").
FileError NamedFileError(int code, std::string_view name);

// The same for a failed POSIX call, with ThrowPosixError's code and message.
FileError NamedPosixError(int posixError, std::string_view name);

// Makes the signals of a write beyond the process's file-size limit (SIGXFSZ) and, with
// `brokenPipes`, of a write into a pipe whose reader has gone (SIGPIPE) harmless, so that such
// a write fails with its error code and the file layer cleans up and reports it. Called once
// when a program starts; nothing to do on Windows, which has neither signal.
void IgnoreWriteSignals(bool brokenPipes);

// Creates the directory and any missing parents; an existing directory is fine. A failure
// throws the NamedFileError of the directory (a file in the way is "Invalid filename").
void MakeDirectories(const std::string& path);

// True when `path` names an existing file that is not a directory.
bool FileExists(const std::string& path);

// An open file. Closing through Close() reports a failure; a file still open when the object
// goes away (an error abandoned the operation) is closed silently.
class FileHandle {
public:
    FileHandle() = default;
    explicit FileHandle(int descriptor) : descriptor_(descriptor) {}
    FileHandle(FileHandle&& other) noexcept;
    FileHandle& operator=(FileHandle&& other) noexcept;
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle();

    bool IsOpen() const { return descriptor_ >= 0; }
    int Descriptor() const { return descriptor_; }

    // Closes the file; throws FileError when the system reports a failure.
    void Close();

private:
    int descriptor_ = -1;
};

// Opens an existing file for reading and writing without truncating it.
FileHandle OpenForUpdate(const std::string& path);

// Opens an existing file for reading; a directory is refused as "File access denied" (5).
FileHandle OpenForReading(const std::string& path);

// Reads up to `size` bytes at the current position into `buffer`; returns how many were read,
// 0 at the end of the file.
std::size_t ReadBytes(const FileHandle& file, char* buffer, std::size_t size);

// Creates the file, or truncates an existing one, open for reading and writing.
FileHandle CreateOrTruncate(const std::string& path);

// Reads the 4-byte little-endian signed record at offset 0. A file shorter than 4 bytes
// throws "Read beyond end of file" (100).
std::int32_t ReadRecord32(const FileHandle& file);

// Writes `value` as the 4-byte little-endian record at offset 0; later bytes stay untouched.
void WriteRecord32(const FileHandle& file, std::int32_t value);

// Writes `bytes` at the current position; a write the disk cannot take is "Disk full" (101).
void WriteBytes(const FileHandle& file, std::string_view bytes);

// Creates a directory; one that exists already (or any existing name) throws "I/O error 183".
void MakeDirectory(const std::string& path);

// An open file of a process as a link of its descriptor directory names it.
struct OpenDescriptor {
    long process = 0;
    long descriptor = -1;
};

// The open file that a link named `name` stands for when its directory, resolved without links
// and taken below the process file system's mount point, is a process's descriptor directory
// ("<pid>/fd" or "<pid>/task/<tid>/fd", which /dev/fd and /proc/self/fd resolve to) and the
// name a descriptor number; nothing for a name anywhere else. Such a link names an open file,
// not a place in a directory.
std::optional<OpenDescriptor> DescriptorNamed(std::string_view processDirectory,
                                              std::string_view name);

// Replaces the file at `path` by `bytes`, keeping what stands at that name:
// - a name whose links pass through a process's descriptor links (/proc/<pid>/fd/N, /dev/fd/N,
//   /dev/stdout, /dev/stderr) names an open file, not a place in a directory: it is written in
//   place, through the descriptor itself when it is this process's (at the descriptor's
//   position, which the process's own later output continues from), never replaced;
// - symbolic links are followed to the name at the end of the chain (a dangling link's target is
//   created there), so that every link stays a link; a cycle of links is "Invalid filename" (3);
// - a regular file (or none) is replaced atomically: a temporary file in the final name's
//   directory, then a rename over the old one; the new file keeps the old one's permission
//   bits, and its owner and group where the process may set them;
// - anything else but a directory (a device, a named pipe) is opened for writing and written in
//   place, waiting for a pipe's reader.
// When the file cannot be brought into existence under its name (a directory of that name, a
// cycle of links, a temporary file that cannot be created, a refused rename or open) it throws
// FileError with the mapped code and "Cannot create file <nameInMessage>"; a failed or short
// write throws the NamedFileError of `nameInMessage` ("Disk full: <name>", 101, for a full
// device). On any failure a replaced file stays as it was and no temporary file is left behind.
void ReplaceFileAtomically(const std::string& path, std::string_view bytes,
                           std::string_view nameInMessage);

}  // namespace gearpair
