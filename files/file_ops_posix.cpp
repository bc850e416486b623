// The file layer's operations on POSIX calls; every failure goes through ThrowPosixError.
#include "files/file_ops.h"
#include "files/record32.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <utility>

#include "core/errors.h"

namespace gearpair {

namespace {

// Writes all of `bytes` at the current position; returns 0 or the errno of the failure.
// A write that takes nothing although the system reports no error means a full disk.
int WriteAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (written == 0) return ENOSPC;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

FileHandle OpenChecked(const std::string& path, int flags) {
    int descriptor;
    do {
        descriptor = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
    } while (descriptor < 0 && errno == EINTR);
    if (descriptor < 0) ThrowPosixError(errno);
    return FileHandle(descriptor);
}

// The temporary file's name: short, so that a long target name does not make it too long,
// and unique within the process and among processes.
std::string TemporaryName(const std::string& path, int attempt) {
    const std::size_t slash = path.rfind('/');
    const std::string directory = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    return directory + ".gearpair-" + std::to_string(::getpid()) + "-" + std::to_string(attempt) +
           ".tmp";
}

// Links followed before giving up, as the kernel's own limit for one path name.
constexpr int kMaxLinks = 40;

// The open file that the link `path` names when the link stands in a process's descriptor
// directory: its target is no place in a directory but the process's descriptor.
std::optional<OpenDescriptor> DescriptorLinkAt(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string directory =
        slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
    char* resolved = ::realpath(directory.c_str(), nullptr);
    if (resolved == nullptr) return std::nullopt;
    const std::string real(resolved);
    std::free(resolved);
    // The mount point of the process file system.
    constexpr std::string_view kProc = "/proc/";
    if (!std::string_view(real).starts_with(kProc)) return std::nullopt;
    return DescriptorNamed(
        std::string_view(real).substr(kProc.size()),
        std::string_view(path).substr(slash == std::string::npos ? 0 : slash + 1));
}

// Follows the chain of symbolic links that starts at `path` and leaves in `path` the name at its
// end, which the caller then creates or replaces, so that every link stays a link. Returns 0 with
// `status` of that final name, or the errno of its lookup (ENOENT: nothing stands there yet;
// ELOOP: a cycle or a chain too long). A link of a process's descriptor directory ends the chain
// there, with `path` the link and `open` its descriptor.
int FinalTarget(std::string& path, struct stat& status, std::optional<OpenDescriptor>& open) {
    for (int links = 0;; ++links) {
        if (::lstat(path.c_str(), &status) != 0) return errno;
        if (!S_ISLNK(status.st_mode)) return 0;
        open = DescriptorLinkAt(path);
        if (open) return 0;
        if (links == kMaxLinks) return ELOOP;
        // Some file systems report a link's size as 0; then the longest path is allowed for.
        std::string link(status.st_size > 0 ? static_cast<std::size_t>(status.st_size) + 1
                                            : std::size_t{PATH_MAX},
                         '\0');
        const ssize_t length = ::readlink(path.c_str(), link.data(), link.size());
        if (length < 0) return errno;
        if (static_cast<std::size_t>(length) >= link.size()) return ENAMETOOLONG;
        if (length == 0) return ENOENT;
        link.resize(static_cast<std::size_t>(length));
        // A relative link is read from the directory that holds the link.
        const std::size_t slash = path.rfind('/');
        if (link.front() != '/' && slash != std::string::npos) {
            link.insert(0, path, 0, slash + 1);
        }
        path = std::move(link);
    }
}

// Gives the temporary file the owner, group and permission bits of the file it replaces. The
// owner is set first, as a change of owner clears the set-user-ID and set-group-ID bits; it is
// left as it is where the process may not set it. Returns 0 or the errno of the mode change,
// which must not fail: the new file would be readable by more users than the old one.
int TakeOwnerAndMode(int descriptor, const struct stat& old) {
    if (::fchown(descriptor, old.st_uid, old.st_gid) != 0) {
        // Not permitted to give the file away: it stays the process's own.
    }
    return ::fchmod(descriptor, old.st_mode & 07777) == 0 ? 0 : errno;
}

// Writes into what stands at `path` and is neither a regular file nor a directory (a device, a
// named pipe), or into the open file a descriptor link names, without replacing it: opened for
// writing, waiting for a pipe's reader as any writer does. A name that cannot be opened (a
// socket) is `cannotCreate`'s error; every failed or short write throws its named error.
template <typename CannotCreate>
void WriteInPlace(const std::string& path, std::string_view bytes, bool followLink,
                  std::string_view nameInMessage, const CannotCreate& cannotCreate) {
    const int noFollow = followLink ? 0 : O_NOFOLLOW;
    int descriptor;
    do {
        descriptor = ::open(path.c_str(), O_WRONLY | O_NOCTTY | noFollow | O_CLOEXEC);
    } while (descriptor < 0 && errno == EINTR);
    if (descriptor < 0) throw cannotCreate(errno);
    int error = WriteAll(descriptor, bytes);
    if (::close(descriptor) != 0 && error == 0 && errno != EINTR) error = errno;
    if (error != 0) throw NamedPosixError(error, nameInMessage);
}

// Writes into an open file that a descriptor link names. The process's own descriptor is written
// directly, from its position, so that what the process writes there afterwards follows instead
// of overwriting it; another process's file is opened through the link.
template <typename CannotCreate>
void WriteToDescriptor(const std::string& link, const OpenDescriptor& open, std::string_view bytes,
                       std::string_view nameInMessage, const CannotCreate& cannotCreate) {
    if (open.process != ::getpid()) {
        WriteInPlace(link, bytes, true, nameInMessage, cannotCreate);
        return;
    }
    if (const int error = WriteAll(static_cast<int>(open.descriptor), bytes); error != 0) {
        throw NamedPosixError(error, nameInMessage);
    }
}

}  // namespace

bool FileExists(const std::string& path) {
    struct stat status;
    return ::stat(path.c_str(), &status) == 0 && !S_ISDIR(status.st_mode);
}

FileHandle::FileHandle(FileHandle&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)) {}

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept {
    if (this != &other) {
        if (descriptor_ >= 0) ::close(descriptor_);
        descriptor_ = std::exchange(other.descriptor_, -1);
    }
    return *this;
}

FileHandle::~FileHandle() {
    if (descriptor_ >= 0) ::close(descriptor_);
}

void FileHandle::Close() {
    if (descriptor_ < 0) return;
    // The descriptor is released even when close reports an error; retrying could close a
    // descriptor opened meanwhile.
    const int result = ::close(std::exchange(descriptor_, -1));
    if (result != 0 && errno != EINTR) ThrowPosixError(errno);
}

FileHandle OpenForUpdate(const std::string& path) {
    return OpenChecked(path, O_RDWR);
}

FileHandle OpenForReading(const std::string& path) {
    FileHandle file = OpenChecked(path, O_RDONLY);
    // A directory opens for reading here, where Windows refuses it.
    struct stat status;
    if (::fstat(file.Descriptor(), &status) != 0) ThrowPosixError(errno);
    if (S_ISDIR(status.st_mode)) ThrowPosixError(EISDIR);
    return file;
}

std::size_t ReadBytes(const FileHandle& file, char* buffer, std::size_t size) {
    while (true) {
        const ssize_t count = ::read(file.Descriptor(), buffer, size);
        if (count >= 0) return static_cast<std::size_t>(count);
        if (errno != EINTR) ThrowPosixError(errno);
    }
}

FileHandle CreateOrTruncate(const std::string& path) {
    return OpenChecked(path, O_RDWR | O_CREAT | O_TRUNC);
}

std::int32_t ReadRecord32(const FileHandle& file) {
    std::array<unsigned char, 4> bytes;
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t read = ::pread(file.Descriptor(), bytes.data() + got, bytes.size() - got,
                                     static_cast<off_t>(got));
        if (read < 0) {
            if (errno == EINTR) continue;
            ThrowPosixError(errno);
        }
        if (read == 0) ThrowFileError(kReadBeyondEnd);
        got += static_cast<std::size_t>(read);
    }
    return Record32Value(bytes);
}

void WriteRecord32(const FileHandle& file, std::int32_t value) {
    const std::array<unsigned char, 4> bytes = Record32Bytes(value);
    std::size_t put = 0;
    while (put < bytes.size()) {
        const ssize_t written = ::pwrite(file.Descriptor(), bytes.data() + put, bytes.size() - put,
                                         static_cast<off_t>(put));
        if (written < 0) {
            if (errno == EINTR) continue;
            ThrowPosixError(errno);
        }
        if (written == 0) ThrowFileError(kDiskFull);
        put += static_cast<std::size_t>(written);
    }
}

void WriteBytes(const FileHandle& file, std::string_view bytes) {
    if (const int error = WriteAll(file.Descriptor(), bytes); error != 0) {
        ThrowPosixError(error);
    }
}

void MakeDirectory(const std::string& path) {
    if (::mkdir(path.c_str(), 0777) != 0) ThrowPosixError(errno);
}

void ReplaceFileAtomically(const std::string& path, std::string_view bytes,
                           std::string_view nameInMessage) {
    const auto cannotCreate = [&](int posixError) {
        return FileError(FileErrorCode(posixError),
                         "Cannot create file " + std::string(nameInMessage));
    };

    std::string target = path;
    struct stat status {};
    std::optional<OpenDescriptor> open;
    const int lookup = FinalTarget(target, status, open);
    if (open) {
        WriteToDescriptor(target, *open, bytes, nameInMessage, cannotCreate);
        return;
    }
    if (lookup != 0 && lookup != ENOENT) throw cannotCreate(lookup);
    const bool exists = lookup == 0;
    if (exists && S_ISDIR(status.st_mode)) throw cannotCreate(EISDIR);
    if (exists && !S_ISREG(status.st_mode)) {
        WriteInPlace(target, bytes, false, nameInMessage, cannotCreate);
        return;
    }

    std::string temporary;
    int descriptor = -1;
    for (int attempt = 0; descriptor < 0; ++attempt) {
        temporary = TemporaryName(target, attempt);
        descriptor = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0) break;
        // A leftover of an earlier process with the same id: try the next name.
        if ((errno == EEXIST && attempt < 100) || errno == EINTR) continue;
        throw cannotCreate(errno);
    }

    // Once the temporary file exists, every failure removes it and leaves the old file.
    int error = exists ? TakeOwnerAndMode(descriptor, status) : 0;
    if (error == 0) error = WriteAll(descriptor, bytes);
    // A file system that cannot sync (EINVAL) still holds the data once close succeeds.
    if (error == 0 && ::fsync(descriptor) != 0 && errno != EINVAL) error = errno;
    if (::close(descriptor) != 0 && error == 0 && errno != EINTR) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        throw NamedPosixError(error, nameInMessage);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        error = errno;
        ::unlink(temporary.c_str());
        throw cannotCreate(error);
    }
}

}  // namespace gearpair
