#include "error.h"

#include <cerrno>

namespace chronoflip {

namespace {

std::string ioErrorNumbered(int code) {
    std::string message = "I/O error ";
    message += std::to_string(code);
    return message;
}

}  // namespace

std::string ioErrorMessage(int code) {
    switch (code) {
        case 2:
            return "File not found";
        case 3:
            return "Invalid filename";
        case 4:
            return "Too many open files";
        case 5:
            return "File access denied";
        case 100:
            return "Read beyond end of file";
        case 101:
            return "Disk full";
        case 106:
            return "Invalid numeric input";
        default:
            return "I/O error " + std::to_string(code);
    }
}

namespace {

// Returns the program's code for a platform error, or 0 when there is none; an unmapped
// error is reported with its own number (EIO must not read as "access denied").
int ioCodeOf(int platformError) {
#ifdef _WIN32
    // The C runtime's errno values differ from the system codes the messages use.
    switch (platformError) {
        case ENOENT:
            return 2;
        case ENAMETOOLONG:
        case EINVAL:
            return 3;
        case EMFILE:
            return 4;
        case EACCES:
        case EPERM:
            return 5;
        case ENOSPC:
            return 101;
        default:
            return 0;
    }
#else
    switch (platformError) {
        case ENOENT:
            return 2;
        case ENOTDIR:
        case ENAMETOOLONG:
            return 3;
        case EMFILE:
        case ENFILE:
            return 4;
        case EACCES:
        case EPERM:
        case EROFS:
            return 5;
        case ENOSPC:
        case EDQUOT:
            return 101;
        default:
            return 0;
    }
#endif
}

}  // namespace

void throwSystemError(int platformError) {
    const int code = ioCodeOf(platformError);
    throw Error(code != 0 ? ioErrorMessage(code) : ioErrorNumbered(platformError));
}

}  // namespace chronoflip
