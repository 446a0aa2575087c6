#include "core/error.h"

#include <cerrno>

#include "core/system_error_codes.h"

namespace chronoflip {

int codeOfErrno(int error) {
    switch (error) {
        case ENOENT:
            return kFileNotFound;
        case ENOTDIR:
        case ENAMETOOLONG:
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

void throwCode(int code, const std::string& path, std::error_code systemError) {
    // An error without a code of the program's own is shown with the system's number, which
    // may coincide with one of those codes (EIO is 5) and must not borrow its message.
    throw Error(
        code != 0 ? ioErrorMessage(code) : "I/O error " + std::to_string(systemError.value()), path,
        systemError);
}

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
        case kDiskFull:
            return "Disk full";
        default:
            return "I/O error " + std::to_string(code);
    }
}

void throwSystemError(const std::error_code& error, const std::string& path) {
    if (error.category() == std::generic_category()) {
        throwCode(codeOfLibraryError(error.value()), path, error);
    }
    throwSystemError(error.value(), path);
}

void throwLastSystemError(const std::string& path) {
    throwSystemError(lastSystemError(), path);
}

std::string withPath(const Error& error) {
    if (error.path().empty()) return error.what();
    return error.path() + ": " + error.what();
}

}  // namespace chronoflip
