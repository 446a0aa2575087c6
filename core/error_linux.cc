#include <cerrno>

#include "core/error.h"
#include "core/system_error_codes.h"

namespace chronoflip {

int codeOfLibraryError(int error) {
    return codeOfErrno(error);
}

void throwSystemError(int systemError, const std::string& path) {
    throwCode(codeOfErrno(systemError), path, std::error_code(systemError, std::system_category()));
}

int lastSystemError() {
    return errno;
}

}  // namespace chronoflip
