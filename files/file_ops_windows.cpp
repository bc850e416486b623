// The file layer's operations on the Windows API. Names go to the system as UTF-16; every
// failure carries the system's own error code (GetLastError) through WindowsFileErrorCode.
// An open file is a C runtime descriptor wrapping the system handle.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

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
std::string TemporaryName(const std::string& path, int attempt) {
    const std::size_t cut = path.find_last_of("\\/:");
    const std::string directory = cut == std::string::npos ? "" : path.substr(0, cut + 1);
    return directory + ".gearpair-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(attempt) + ".tmp";
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
    const std::optional<std::wstring> target = Utf8ToUtf16(path);
    if (!target) throw cannotCreate(ERROR_INVALID_NAME);

    std::wstring temporary;
    HANDLE handle = INVALID_HANDLE_VALUE;
    for (int attempt = 0; handle == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = *Utf8ToUtf16(TemporaryName(path, attempt));
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
        ThrowSystemError(error);
    }
    if (!MoveFileExW(temporary.c_str(), target->c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = GetLastError();
        DeleteFileW(temporary.c_str());
        throw cannotCreate(error);
    }
}

}  // namespace gearpair
