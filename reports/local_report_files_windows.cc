#include "windows_api.h"

#include <system_error>

#include "file_handle.h"
#include "native_path.h"
#include "report_files.h"

namespace chronoflip {

namespace {

[[noreturn]] void throwLastError() {
    throw std::system_error(lastSystemError(), std::system_category());
}

std::wstring widePath(const std::string& path) {
    return toNativePath(path).wstring();
}

// The handle a CreateFileW call gave; its error is read before anything else can change it.
HANDLE openedOrThrow(HANDLE handle) {
    if (handle == INVALID_HANDLE_VALUE) throwLastError();
    return handle;
}

constexpr DWORD kChunk = 1u << 30;

void writeTemporary(const std::wstring& temporary, std::string_view content) {
    FileHandle file(openedOrThrow(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr,
                                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)));
    while (!content.empty()) {
        const DWORD size = content.size() > kChunk ? kChunk : static_cast<DWORD>(content.size());
        DWORD written = 0;
        if (!WriteFile(file.get(), content.data(), size, &written, nullptr)) throwLastError();
        content.remove_prefix(written);
    }
    // The content must be on the disk before the move makes it the report.
    if (!FlushFileBuffers(file.get())) throwLastError();
    if (!file.close()) throwLastError();
}

}  // namespace

std::string LocalReportFiles::readWhole(const std::string& path) {
    FileHandle file(openedOrThrow(CreateFileW(widePath(path).c_str(), GENERIC_READ,
                                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
    std::string content;
    char buffer[64 * 1024];
    for (;;) {
        DWORD n = 0;
        if (!ReadFile(file.get(), buffer, sizeof buffer, &n, nullptr)) throwLastError();
        if (n == 0) break;
        content.append(buffer, n);
    }
    if (!file.close()) throwLastError();
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
