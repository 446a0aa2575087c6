#include "core/windows_api.h"

#include "core/error.h"
#include "core/folder_listing_platform.h"
#include "core/paths.h"

namespace chronoflip {

namespace fs = std::filesystem;

bool isListedFile(const fs::directory_entry& entry) {
    std::error_code ignored;  // an entry whose type cannot be told is not a listable file
    if (!entry.is_regular_file(ignored)) return false;
    const DWORD attributes = GetFileAttributesW(entry.path().c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

void checkEnterable(const fs::path& folder) {
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) throwLastSystemError(fromNativePath(folder));
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        throwSystemError(ERROR_DIRECTORY, fromNativePath(folder));
    }
}

}  // namespace chronoflip
