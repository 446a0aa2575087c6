#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <system_error>

#include "native_path.h"
#include "report_files.h"

namespace chronoflip {

namespace {

[[noreturn]] void throwLastError() {
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category());
}

std::wstring widePath(const std::string& path) {
    return toNativePath(path).wstring();
}

// Closes on every path; close() reports what the destructor would have to ignore.
class Handle {
  public:
    explicit Handle(HANDLE handle) : handle_(handle) {
        if (handle_ == INVALID_HANDLE_VALUE) throwLastError();
    }
    ~Handle() {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    HANDLE get() const { return handle_; }
    void close() {
        const HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        if (!CloseHandle(handle)) throwLastError();
    }

  private:
    HANDLE handle_;
};

constexpr DWORD kChunk = 1u << 30;

void writeTemporary(const std::wstring& temporary, std::string_view content) {
    Handle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    while (!content.empty()) {
        const DWORD size = content.size() > kChunk ? kChunk : static_cast<DWORD>(content.size());
        DWORD written = 0;
        if (!WriteFile(file.get(), content.data(), size, &written, nullptr)) throwLastError();
        content.remove_prefix(written);
    }
    // The content must be on the disk before the move makes it the report.
    if (!FlushFileBuffers(file.get())) throwLastError();
    file.close();
}

}  // namespace

std::string LocalReportFiles::readWhole(const std::string& path) {
    Handle file(CreateFileW(widePath(path).c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    std::string content;
    char buffer[64 * 1024];
    for (;;) {
        DWORD n = 0;
        if (!ReadFile(file.get(), buffer, sizeof buffer, &n, nullptr)) throwLastError();
        if (n == 0) break;
        content.append(buffer, n);
    }
    file.close();
    return content;
}

void LocalReportFiles::replaceWhole(const std::string& path, std::string_view content) {
    const std::wstring target = widePath(path);
    const std::wstring temporary = widePath(temporaryPath(path));
    try {
        writeTemporary(temporary, content);
        if (!MoveFileExW(temporary.c_str(), target.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            throwLastError();
        }
    } catch (const std::system_error&) {
        // The temporary file is closed by now; a folder in its place is not deleted.
        DeleteFileW(temporary.c_str());
        throw;
    }
}

}  // namespace chronoflip
