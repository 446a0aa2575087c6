#include "core/folder_listing.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/error.h"
#include "core/file_handle.h"
#include "core/paths.h"
#include "core/wildcard_mask.h"

#ifdef _WIN32
#include "core/windows_api.h"
#else
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#endif

namespace chronoflip {

namespace fs = std::filesystem;

namespace {

bool isListed(const fs::directory_entry& entry) {
    std::error_code ignored;  // an entry whose type cannot be told is not a listable file
    if (!entry.is_regular_file(ignored)) return false;
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesW(entry.path().c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
#else
    return entry.path().filename().native().front() != '.';
#endif
}

#ifndef _WIN32
constexpr int kInvalidFilename = 3;

// Windows tells a missing last folder (file not found) from a missing folder above it
// (path not found); POSIX says ENOENT for both, so look at the parent.
[[noreturn]] void throwMissingFolder(const fs::path& folder) {
    struct stat parent {};
    const fs::path above = folder.parent_path();
    if (::stat(above.c_str(), &parent) == 0 && S_ISDIR(parent.st_mode)) {
        throwSystemError(ENOENT);
    }
    throw Error(ioErrorMessage(kInvalidFilename));
}
#endif

void checkEnterable(const fs::path& folder) {
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) throwSystemError(lastSystemError());
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        throwSystemError(ERROR_DIRECTORY);
    }
#else
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) {
        if (errno == ENOENT) throwMissingFolder(folder);
        throwSystemError(errno);
    }
    if (!S_ISDIR(info.st_mode)) throwSystemError(ENOTDIR);
    if (::access(folder.c_str(), X_OK) != 0) throwSystemError(errno);
#endif
}

}  // namespace

std::vector<std::string> listFolderFiles(const std::string& folder, std::string_view mask) {
    std::error_code error;
    fs::directory_iterator entries(toNativePath(folder), error);
    if (error) throwSystemError(error);
    std::vector<std::string> names;
    for (const fs::directory_iterator end; entries != end; entries.increment(error)) {
        if (error) throwSystemError(error);
        if (!isListed(*entries)) continue;
        std::string name = fromNativePath(entries->path().filename());
        if (matchesMask(name, mask)) names.push_back(std::move(name));
    }
    if (error) throwSystemError(error);
    std::sort(names.begin(), names.end(), lessIgnoringCase);
    return names;
}

std::string enterableFolder(const std::string& current, std::string_view folder) {
    fs::path full = toNativePath(folder);
    if (full.is_relative()) full = toNativePath(current) / full;
    full = full.lexically_normal();
    if (full.has_relative_path() && !full.has_filename()) full = full.parent_path();
    checkEnterable(full);
    return fromNativePath(full);
}

bool isFolder(const std::string& path) {
    std::error_code ignored;
    return fs::is_directory(toNativePath(path), ignored);
}

}  // namespace chronoflip
