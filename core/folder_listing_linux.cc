#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/error.h"
#include "core/folder_listing_platform.h"
#include "core/system_error_codes.h"

namespace chronoflip {

namespace fs = std::filesystem;

namespace {

// Windows tells a missing last folder (file not found) from a missing folder above it
// (path not found); Linux says ENOENT for both, so look at the parent.
[[noreturn]] void throwMissingFolder(const fs::path& folder) {
    struct stat parent {};
    const fs::path above = folder.parent_path();
    if (::stat(above.c_str(), &parent) == 0 && S_ISDIR(parent.st_mode)) {
        throwSystemError(ENOENT, folder.string());
    }
    throw Error(ioErrorMessage(kInvalidFilename), folder.string());
}

}  // namespace

// Hidden files are those whose name starts with "."; system files anything but a regular file.
bool isListedFile(const fs::directory_entry& entry) {
    std::error_code ignored;  // an entry whose type cannot be told is not a listable file
    return entry.is_regular_file(ignored) && entry.path().filename().native().front() != '.';
}

void checkEnterable(const fs::path& folder) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) {
        if (errno == ENOENT) throwMissingFolder(folder);
        throwSystemError(errno, folder.string());
    }
    if (!S_ISDIR(info.st_mode)) throwSystemError(ENOTDIR, folder.string());
    if (::access(folder.c_str(), X_OK) != 0) throwSystemError(errno, folder.string());
}

}  // namespace chronoflip
