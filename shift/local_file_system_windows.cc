#include "windows_api.h"

#include "error.h"
#include "file_handle.h"
#include "file_system.h"
#include "native_path.h"

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

}  // namespace chronoflip
