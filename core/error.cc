#include "core/error.h"

#include <cerrno>

namespace chronoflip {

namespace {

// The program's own numbers for the failures it names.
constexpr int kFileNotFound = 2;
constexpr int kInvalidFilename = 3;
constexpr int kTooManyOpenFiles = 4;
constexpr int kAccessDenied = 5;
constexpr int kDiskFull = 101;

// Returns the program's code for a C library errno value, or 0 when there is none; an
// unmapped error is reported with its own number (EIO must not read as "access denied").
int codeOfErrno(int error) {
    switch (error) {
        case ENOENT:
            return kFileNotFound;
        case ENOTDIR:
        case ENAMETOOLONG:
#ifdef _WIN32
        case EINVAL:  // how the Windows C library reports a name it cannot use
#endif
            return kInvalidFilename;
        case EMFILE:
        case ENFILE:
            return kTooManyOpenFiles;
        case EACCES:
        case EPERM:
        case EROFS:
            return kAccessDenied;
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
            return kDiskFull;
        default:
            return 0;
    }
}

#ifdef _WIN32
constexpr int kWindowsHandleDiskFull = 39;  // ERROR_HANDLE_DISK_FULL
constexpr int kWindowsDiskFull = 112;       // ERROR_DISK_FULL

int codeOfSystemError(int error) {
    return error == kWindowsDiskFull || error == kWindowsHandleDiskFull ? kDiskFull : error;
}
#else
int codeOfSystemError(int error) {
    return codeOfErrno(error);
}
#endif

// An error without a code of the program's own is shown with the system's number, which
// may coincide with one of those codes (EIO is 5) and must not borrow its message.
[[noreturn]] void throwCode(int code, int systemError) {
    throw Error(code != 0 ? ioErrorMessage(code) : "I/O error " + std::to_string(systemError));
}

}  // namespace

std::string ioErrorMessage(int code) {
    switch (code) {
        case kFileNotFound:
            return "File not found";
        case kInvalidFilename:
            return "Invalid filename";
        case kTooManyOpenFiles:
            return "Too many open files";
        case kAccessDenied:
            return "File access denied";
        case 100:
            return "Read beyond end of file";
        case kDiskFull:
            return "Disk full";
        case 106:
            return "Invalid numeric input";
        default:
            return "I/O error " + std::to_string(code);
    }
}

void throwSystemError(int systemError) {
    throwCode(codeOfSystemError(systemError), systemError);
}

void throwSystemError(const std::error_code& error) {
    if (error.category() == std::generic_category()) {
        throwCode(codeOfErrno(error.value()), error.value());
    }
    throwSystemError(error.value());
}

}  // namespace chronoflip
