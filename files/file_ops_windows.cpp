// The file layer's operations on the Windows API. Names go to the system as UTF-16; every
// failure carries the system's own error code (GetLastError) through WindowsFileErrorCode.
// An open file is a C runtime descriptor wrapping the system handle.
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include <winioctl.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/errors.h"
#include "files/file_ops.h"
#include "files/record32.h"
#include "files/wide_text.h"

namespace gearpair {

namespace {

// The largest piece handed to one ReadFile or WriteFile call.
constexpr std::size_t kMaxChunk = 1u << 30;

[[noreturn]] void ThrowSystemError(DWORD systemError) {
    ThrowFileError(WindowsFileErrorCode(systemError));
}

// A name that is not UTF-8 is one the system would reject as ill-formed.
std::wstring WideName(const std::string& path) {
    std::optional<std::wstring> wide = Utf8ToUtf16(path);
    if (!wide) ThrowSystemError(ERROR_INVALID_NAME);
    return std::move(*wide);
}

HANDLE SystemHandle(const FileHandle& file) {
    return reinterpret_cast<HANDLE>(_get_osfhandle(file.Descriptor()));
}

// Writes all of `bytes` at the current position; returns 0 or the system's error code. A
// write that takes nothing although the system reports no error means a full disk.
DWORD WriteAll(HANDLE handle, std::string_view bytes) {
    while (!bytes.empty()) {
        const auto chunk = static_cast<DWORD>(std::min(bytes.size(), kMaxChunk));
        DWORD written = 0;
        if (!WriteFile(handle, bytes.data(), chunk, &written, nullptr)) return GetLastError();
        if (written == 0) return ERROR_DISK_FULL;
        bytes.remove_prefix(written);
    }
    return 0;
}

FileHandle OpenChecked(const std::string& path, DWORD disposition,
                       DWORD access = GENERIC_READ | GENERIC_WRITE) {
    const std::wstring name = WideName(path);
    HANDLE handle =
        CreateFileW(name.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) ThrowSystemError(GetLastError());
    const int descriptor = _open_osfhandle(reinterpret_cast<std::intptr_t>(handle), _O_BINARY);
    if (descriptor < 0) {
        CloseHandle(handle);
        ThrowSystemError(ERROR_TOO_MANY_OPEN_FILES);
    }
    return FileHandle(descriptor);
}

// Reads or writes the record at offset 0 and leaves the file position where it was, as the
// positional calls of other systems do.
class RecordAccess {
public:
    explicit RecordAccess(const FileHandle& file) : handle_(SystemHandle(file)) {
        SetFilePointerEx(handle_, LARGE_INTEGER{}, &position_, FILE_CURRENT);
    }
    RecordAccess(const RecordAccess&) = delete;
    RecordAccess& operator=(const RecordAccess&) = delete;
    ~RecordAccess() { SetFilePointerEx(handle_, position_, nullptr, FILE_BEGIN); }

    HANDLE Handle() const { return handle_; }

private:
    HANDLE handle_;
    LARGE_INTEGER position_{};
};

OVERLAPPED AtOffset(std::size_t offset) {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    return at;
}

// The temporary file's name beside the target, unique within the process and among processes.
std::wstring TemporaryName(const std::wstring& path, int attempt) {
    const std::size_t cut = path.find_last_of(L"\\/:");
    const std::wstring directory = cut == std::wstring::npos ? L"" : path.substr(0, cut + 1);
    return directory + L".gearpair-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(attempt) + L".tmp";
}

// Links followed before giving up, as on other systems.
constexpr int kMaxLinks = 40;

// The name a symbolic link points to, read from its reparse point: a relative target is read
// from the directory that holds the link. nullopt for anything that is no symbolic link.
std::optional<std::wstring> LinkTarget(const std::wstring& link) {
    HANDLE handle = CreateFileW(
        link.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
    std::vector<unsigned char> data(MAXIMUM_REPARSE_DATA_BUFFER_SIZE);
    DWORD size = 0;
    const bool read = DeviceIoControl(handle, FSCTL_GET_REPARSE_POINT, nullptr, 0, data.data(),
                                      static_cast<DWORD>(data.size()), &size, nullptr);
    CloseHandle(handle);
    // The symbolic link's reparse data: tag, lengths, then the offsets and lengths (bytes) of
    // the substitute and the print name in the path buffer at byte 20, and the flags at 16.
    constexpr std::size_t kPathBuffer = 20;
    if (!read || size < kPathBuffer) return std::nullopt;
    const auto field = [&](std::size_t at, auto value) {
        std::memcpy(&value, data.data() + at, sizeof value);
        return value;
    };
    if (field(0, DWORD{}) != IO_REPARSE_TAG_SYMLINK) return std::nullopt;
    const auto name = [&](std::size_t offsetAt) -> std::wstring {
        const std::size_t offset = field(offsetAt, USHORT{});
        const std::size_t length = field(offsetAt + 2, USHORT{});
        if (kPathBuffer + offset + length > size) return {};
        std::wstring text(length / sizeof(wchar_t), L'\0');
        std::memcpy(text.data(), data.data() + kPathBuffer + offset, length);
        return text;
    };
    std::wstring target = name(12);  // the print name, as the user gave it
    if (target.empty()) {
        target = name(8);  // the substitute name, "\\??\\C:\\..." for an absolute target
        if (target.starts_with(L"\\??\\")) target.erase(0, 4);
    }
    if (target.empty()) return std::nullopt;
    if (field(16, ULONG{}) & SYMLINK_FLAG_RELATIVE) {
        const std::size_t cut = link.find_last_of(L"\\/");
        if (cut != std::wstring::npos) target.insert(0, link, 0, cut + 1);
    }
    return target;
}

}  // namespace

bool FileExists(const std::string& path) {
    const std::optional<std::wstring> name = Utf8ToUtf16(path);
    if (!name) return false;
    const DWORD attributes = GetFileAttributesW(name->c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

FileHandle::FileHandle(FileHandle&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)) {}

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept {
    if (this != &other) {
        if (descriptor_ >= 0) _close(descriptor_);
        descriptor_ = std::exchange(other.descriptor_, -1);
    }
    return *this;
}

FileHandle::~FileHandle() {
    if (descriptor_ >= 0) _close(descriptor_);
}

void FileHandle::Close() {
    if (descriptor_ < 0) return;
    // The runtime releases the descriptor even when closing the handle fails.
    if (_close(std::exchange(descriptor_, -1)) != 0) {
        ThrowSystemError(static_cast<DWORD>(_doserrno));
    }
}

FileHandle OpenForUpdate(const std::string& path) {
    return OpenChecked(path, OPEN_EXISTING);
}

// A directory cannot be opened as a file here: "File access denied", as on other systems.
FileHandle OpenForReading(const std::string& path) {
    return OpenChecked(path, OPEN_EXISTING, GENERIC_READ);
}

std::size_t ReadBytes(const FileHandle& file, char* buffer, std::size_t size) {
    const auto asked = static_cast<DWORD>(std::min(size, kMaxChunk));
    DWORD read = 0;
    if (!ReadFile(SystemHandle(file), buffer, asked, &read, nullptr)) {
        const DWORD error = GetLastError();
        if (error == ERROR_BROKEN_PIPE || error == ERROR_HANDLE_EOF) return 0;  // end of input
        ThrowSystemError(error);
    }
    return read;
}

FileHandle CreateOrTruncate(const std::string& path) {
    return OpenChecked(path, CREATE_ALWAYS);
}

std::int32_t ReadRecord32(const FileHandle& file) {
    const RecordAccess access(file);
    std::array<unsigned char, 4> bytes;
    std::size_t got = 0;
    while (got < bytes.size()) {
        OVERLAPPED at = AtOffset(got);
        DWORD read = 0;
        if (!ReadFile(access.Handle(), bytes.data() + got, static_cast<DWORD>(bytes.size() - got),
                      &read, &at)) {
            ThrowSystemError(GetLastError());
        }
        if (read == 0) ThrowFileError(kReadBeyondEnd);
        got += read;
    }
    return Record32Value(bytes);
}

void WriteRecord32(const FileHandle& file, std::int32_t value) {
    const RecordAccess access(file);
    const std::array<unsigned char, 4> bytes = Record32Bytes(value);
    std::size_t put = 0;
    while (put < bytes.size()) {
        OVERLAPPED at = AtOffset(put);
        DWORD written = 0;
        if (!WriteFile(access.Handle(), bytes.data() + put, static_cast<DWORD>(bytes.size() - put),
                       &written, &at)) {
            ThrowSystemError(GetLastError());
        }
        if (written == 0) ThrowFileError(kDiskFull);
        put += written;
    }
}

void WriteBytes(const FileHandle& file, std::string_view bytes) {
    if (const DWORD error = WriteAll(SystemHandle(file), bytes); error != 0) {
        ThrowSystemError(error);
    }
}

void MakeDirectory(const std::string& path) {
    if (!CreateDirectoryW(WideName(path).c_str(), nullptr)) ThrowSystemError(GetLastError());
}

void ReplaceFileAtomically(const std::string& path, std::string_view bytes,
                           std::string_view nameInMessage) {
    const auto cannotCreate = [&](DWORD systemError) {
        return FileError(WindowsFileErrorCode(systemError),
                         "Cannot create file " + std::string(nameInMessage));
    };
    std::optional<std::wstring> named = Utf8ToUtf16(path);
    if (!named) throw cannotCreate(ERROR_INVALID_NAME);

    // The name at the end of the chain of links is created or replaced, so that every link
    // stays a link.
    std::wstring target = std::move(*named);
    bool exists = false;
    for (int links = 0;; ++links) {
        const DWORD attributes = GetFileAttributesW(target.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            const DWORD error = GetLastError();
            if (error != ERROR_FILE_NOT_FOUND) throw cannotCreate(error);
            break;
        }
        std::optional<std::wstring> next;
        if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) next = LinkTarget(target);
        if (!next) {
            if (attributes & FILE_ATTRIBUTE_DIRECTORY) throw cannotCreate(ERROR_ACCESS_DENIED);
            exists = true;
            break;
        }
        // A cycle of links, or a chain too long, names no file, as on other systems.
        if (links == kMaxLinks) throw cannotCreate(kInvalidFilename);
        target = std::move(*next);
    }

    std::wstring temporary;
    HANDLE handle = INVALID_HANDLE_VALUE;
    for (int attempt = 0; handle == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = TemporaryName(target, attempt);
        handle = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE) break;
        const DWORD error = GetLastError();
        // A leftover of an earlier process with the same id: try the next name.
        if ((error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) && attempt < 100) {
            continue;
        }
        throw cannotCreate(error);
    }

    // Once the temporary file exists, every failure removes it and leaves the old file.
    DWORD error = WriteAll(handle, bytes);
    if (error == 0 && !FlushFileBuffers(handle)) error = GetLastError();
    if (!CloseHandle(handle) && error == 0) error = GetLastError();
    if (error != 0) {
        DeleteFileW(temporary.c_str());
        throw NamedFileError(WindowsFileErrorCode(error), nameInMessage);
    }
    // An existing file is replaced so that it keeps its attributes and security; a new one is
    // renamed into place.
    bool placed = exists && ReplaceFileW(target.c_str(), temporary.c_str(), nullptr,
                                         REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr);
    if (!placed) {
        error = exists ? GetLastError() : 0;
        // The old file gone or renamed, the new one not yet in its place: the rename finishes
        // the replacement.
        if (!exists || error == ERROR_UNABLE_TO_MOVE_REPLACEMENT ||
            error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
            placed = MoveFileExW(temporary.c_str(), target.c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
            if (!placed) error = GetLastError();
        }
    }
    if (!placed) {
        DeleteFileW(temporary.c_str());
        throw cannotCreate(error);
    }
}

}  // namespace gearpair
