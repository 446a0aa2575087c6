#include "core/windows_api.h"

#include "core/error.h"
#include "core/file_handle.h"
#include "core/file_system.h"
#include "core/paths.h"

namespace chronoflip {

bool closeNativeFile(FileHandle::Native native) {
    return CloseHandle(native) != 0;
}

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

void writeAll(HANDLE handle, const char* data, std::size_t size, const std::string& path) {
    while (size > 0) {
        DWORD n = 0;
        if (!WriteFile(handle, data, chunkOf(size), &n, nullptr)) throwLastSystemError(path);
        if (n == 0) throwSystemError(ERROR_DISK_FULL, path);
        data += n;
        size -= n;
    }
}

std::size_t readSome(HANDLE handle, char* buffer, std::size_t size, const std::string& path) {
    DWORD n = 0;
    if (!ReadFile(handle, buffer, chunkOf(size), &n, nullptr)) throwLastSystemError(path);
    return n;
}

void closeOrThrow(FileHandle& file, const std::string& path) {
    if (!file.close()) throwLastSystemError(path);
}

class LocalInputFile final : public InputFile {
  public:
    LocalInputFile(FileHandle file, std::string path)
        : file_(std::move(file)), path_(std::move(path)) {}
    std::size_t read(char* buffer, std::size_t size) override {
        return readSome(file_.get(), buffer, size, path_);
    }
    void close() override { closeOrThrow(file_, path_); }

  private:
    FileHandle file_;
    std::string path_;
};

class LocalOutputFile final : public OutputFile {
  public:
    LocalOutputFile(FileHandle file, std::string path)
        : file_(std::move(file)), path_(std::move(path)) {}
    void write(const char* data, std::size_t size) override {
        writeAll(file_.get(), data, size, path_);
    }
    void close() override { closeOrThrow(file_, path_); }

  private:
    FileHandle file_;
    std::string path_;
};

void writeTemporary(const std::string& temporary, std::string_view content) {
    FileHandle file =
        openOrThrow(temporary, GENERIC_WRITE, 0, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL);
    writeAll(file.get(), content.data(), content.size(), temporary);
    // The content must be on the disk before the move makes it the report.
    if (!FlushFileBuffers(file.get())) throwLastSystemError(temporary);
    closeOrThrow(file, temporary);
}

}  // namespace

// Others may read the source meanwhile, but a file another program still writes is
// refused (a sharing violation) rather than shifted half-written.
std::unique_ptr<InputFile> LocalFileSystem::openRead(const std::string& path) {
    return std::make_unique<LocalInputFile>(
        openOrThrow(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN),
        path);
}

std::unique_ptr<OutputFile> LocalFileSystem::create(const std::string& path) {
    return std::make_unique<LocalOutputFile>(
        openOrThrow(path, GENERIC_WRITE, FILE_SHARE_READ, CREATE_ALWAYS,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN),
        path);
}

// Without MOVEFILE_REPLACE_EXISTING the move fails when the target exists.
void LocalFileSystem::rename(const std::string& from, const std::string& to) {
    if (MoveFileExW(widePath(from).c_str(), widePath(to).c_str(), 0)) return;
    const std::error_code error(static_cast<int>(GetLastError()), std::system_category());
    throw Error(error.message(), from, error);
}

std::string LocalFileSystem::readWhole(const std::string& path) {
    FileHandle file = openOrThrow(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL);
    std::string content;
    char buffer[64 * 1024];
    while (const std::size_t n = readSome(file.get(), buffer, sizeof buffer, path)) {
        content.append(buffer, n);
    }
    closeOrThrow(file, path);
    return content;
}

void LocalFileSystem::replaceWhole(const std::string& path, std::string_view content) {
    const std::string temporary = temporaryPath(path);
    try {
        writeTemporary(temporary, content);
        if (!MoveFileExW(widePath(temporary).c_str(), widePath(path).c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            throwLastSystemError(path);
        }
    } catch (const Error&) {
        // The temporary file is closed by now; a folder in its place is not deleted.
        DeleteFileW(widePath(temporary).c_str());
        throw;
    }
}

}  // namespace chronoflip
