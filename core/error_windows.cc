#include "core/windows_api.h"

#include <cerrno>

#include "core/error.h"
#include "core/system_error_codes.h"

namespace chronoflip {

int codeOfLibraryError(int error) {
    // How the Windows C library reports a name it cannot use.
    return error == EINVAL ? kInvalidFilename : codeOfErrno(error);
}

// Windows' own codes already are the program's numbering, but for the full disk.
void throwSystemError(int systemError, const std::string& path) {
    const bool diskFull = systemError == ERROR_DISK_FULL || systemError == ERROR_HANDLE_DISK_FULL;
    throwCode(diskFull ? kDiskFull : systemError, path,
              std::error_code(systemError, std::system_category()));
}

int lastSystemError() {
    return static_cast<int>(GetLastError());
}

}  // namespace chronoflip
