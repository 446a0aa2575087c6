#include "core/windows_api.h"

#include "core/error.h"
#include "core/native_file.h"
#include "core/paths.h"

namespace chronoflip {

bool closeNativeFile(FileHandle::Native native) {
    return CloseHandle(native) != 0;
}

namespace native {

namespace {

std::wstring widePath(const std::string& path) {
    return toNativePath(path).wstring();
}

// Opens with CreateFileW; the error is read before anything else can change it.
FileHandle openOrThrow(const std::string& path, DWORD access, DWORD share, DWORD disposition,
                       DWORD flags) {
    const HANDLE handle =
        CreateFileW(widePath(path).c_str(), access, share, nullptr, disposition, flags, nullptr);
    if (handle == INVALID_HANDLE_VALUE) throwLastSystemError(path);
    return FileHandle(handle);
}

// ReadFile and WriteFile count in 32 bits.
DWORD chunkOf(std::size_t size) {
    constexpr DWORD kLargest = 1u << 30;
    return size > kLargest ? kLargest : static_cast<DWORD>(size);
}

}  // namespace

// Others may read the source meanwhile, but a file another program still writes is
// refused (a sharing violation) rather than shifted half-written.
FileHandle openToRead(const std::string& path) {
    return openOrThrow(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING,
                       FILE_FLAG_SEQUENTIAL_SCAN);
}

FileHandle openWholeToRead(const std::string& path) {
    return openOrThrow(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL);
}

FileHandle create(const std::string& path) {
    return openOrThrow(path, GENERIC_WRITE, FILE_SHARE_READ, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN);
}

FileHandle createTemporary(const std::string& temporary, const std::string&) {
    return openOrThrow(temporary, GENERIC_WRITE, 0, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL);
}

std::size_t readSome(const FileHandle& file, char* buffer, std::size_t size,
                     const std::string& path) {
    DWORD n = 0;
    if (!ReadFile(file.get(), buffer, chunkOf(size), &n, nullptr)) throwLastSystemError(path);
    return n;
}

void writeAll(const FileHandle& file, const char* data, std::size_t size, const std::string& path) {
    while (size > 0) {
        DWORD n = 0;
        if (!WriteFile(file.get(), data, chunkOf(size), &n, nullptr)) throwLastSystemError(path);
        if (n == 0) throwSystemError(ERROR_DISK_FULL, path);
        data += n;
        size -= n;
    }
}

void flushToDisk(const FileHandle& file, const std::string& path) {
    if (!FlushFileBuffers(file.get())) throwLastSystemError(path);
}

// Without MOVEFILE_REPLACE_EXISTING the move fails when the target exists.
bool moveToFreeName(const std::string& from, const std::string& to) {
    return MoveFileExW(widePath(from).c_str(), widePath(to).c_str(), 0) != 0;
}

void moveOver(const std::string& temporary, const std::string& target) {
    if (!MoveFileExW(widePath(temporary).c_str(), widePath(target).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        throwLastSystemError(target);
    }
}

// DeleteFileW removes no folder.
void deleteQuietly(const std::string& path) {
    DeleteFileW(widePath(path).c_str());
}

}  // namespace native

}  // namespace chronoflip
