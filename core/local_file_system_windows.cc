#include "core/windows_api.h"

#include <system_error>

#include "core/error.h"
#include "core/file_handle.h"
#include "core/file_system.h"
#include "core/paths.h"

namespace chronoflip {

namespace {

[[noreturn]] void throwLastError() {
    throwSystemError(lastSystemError());
}

std::wstring widePath(const std::string& path) {
    return toNativePath(path).wstring();
}

// The handle a CreateFileW call gave; its error is read before anything else can change it.
HANDLE openedOrThrow(HANDLE handle) {
    if (handle == INVALID_HANDLE_VALUE) throwLastError();
    return handle;
}

// ReadFile and WriteFile count in 32 bits.
DWORD chunkOf(std::size_t size) {
    constexpr DWORD kLargest = 1u << 30;
    return size > kLargest ? kLargest : static_cast<DWORD>(size);
}

class LocalInputFile final : public InputFile {
  public:
    explicit LocalInputFile(HANDLE handle) : handle_(handle) {}
    std::size_t read(char* buffer, std::size_t size) override {
        DWORD n = 0;
        if (!ReadFile(handle_.get(), buffer, chunkOf(size), &n, nullptr)) throwLastError();
        return n;
    }
    void close() override {
        if (!handle_.close()) throwLastError();
    }

  private:
    FileHandle handle_;
};

class LocalOutputFile final : public OutputFile {
  public:
    explicit LocalOutputFile(HANDLE handle) : handle_(handle) {}
    void write(const char* data, std::size_t size) override {
        while (size > 0) {
            DWORD n = 0;
            if (!WriteFile(handle_.get(), data, chunkOf(size), &n, nullptr)) throwLastError();
            if (n == 0) throwSystemError(ERROR_DISK_FULL);
            data += n;
            size -= n;
        }
    }
    void close() override {
        if (!handle_.close()) throwLastError();
    }

  private:
    FileHandle handle_;
};

}  // namespace

// Others may read the source meanwhile, but a file another program still writes is
// refused (a sharing violation) rather than shifted half-written.
std::unique_ptr<InputFile> LocalFileSystem::openRead(const std::string& path) {
    return std::make_unique<LocalInputFile>(
        openedOrThrow(CreateFileW(widePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr)));
}

std::unique_ptr<OutputFile> LocalFileSystem::create(const std::string& path) {
    return std::make_unique<LocalOutputFile>(openedOrThrow(
        CreateFileW(widePath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr)));
}

// Without MOVEFILE_REPLACE_EXISTING the move fails when the target exists.
bool LocalFileSystem::rename(const std::string& from, const std::string& to) {
    return MoveFileExW(widePath(from).c_str(), widePath(to).c_str(), 0) != 0;
}

// The report files

namespace {

[[noreturn]] void throwLastSystemError() {
    throw std::system_error(lastSystemError(), std::system_category());
}

HANDLE openedOrThrowSystemError(HANDLE handle) {
    if (handle == INVALID_HANDLE_VALUE) throwLastSystemError();
    return handle;
}

constexpr DWORD kChunk = 1u << 30;

void writeTemporary(const std::wstring& temporary, std::string_view content) {
    FileHandle file(
        openedOrThrowSystemError(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr,
                                             CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)));
    while (!content.empty()) {
        const DWORD size = content.size() > kChunk ? kChunk : static_cast<DWORD>(content.size());
        DWORD written = 0;
        if (!WriteFile(file.get(), content.data(), size, &written, nullptr)) throwLastSystemError();
        content.remove_prefix(written);
    }
    // The content must be on the disk before the move makes it the report.
    if (!FlushFileBuffers(file.get())) throwLastSystemError();
    if (!file.close()) throwLastSystemError();
}

}  // namespace

std::string LocalFileSystem::readWhole(const std::string& path) {
    FileHandle file(openedOrThrowSystemError(
        CreateFileW(widePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
    std::string content;
    char buffer[64 * 1024];
    for (;;) {
        DWORD n = 0;
        if (!ReadFile(file.get(), buffer, sizeof buffer, &n, nullptr)) throwLastSystemError();
        if (n == 0) break;
        content.append(buffer, n);
    }
    if (!file.close()) throwLastSystemError();
    return content;
}

void LocalFileSystem::replaceWhole(const std::string& path, std::string_view content) {
    const std::wstring target = widePath(path);
    const std::wstring temporary = widePath(temporaryPath(path));
    try {
        writeTemporary(temporary, content);
        if (!MoveFileExW(temporary.c_str(), target.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            throwLastSystemError();
        }
    } catch (const std::system_error&) {
        // The temporary file is closed by now; a folder in its place is not deleted.
        DeleteFileW(temporary.c_str());
        throw;
    }
}

}  // namespace chronoflip
