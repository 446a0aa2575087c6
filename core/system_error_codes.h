#pragma once

#include <string>
#include <system_error>

// How the platform files and the generic part of the error module share the program's
// numbering; not for use outside core/.
namespace chronoflip {

inline constexpr int kFileNotFound = 2;
inline constexpr int kInvalidFilename = 3;
inline constexpr int kTooManyOpenFiles = 4;
inline constexpr int kAccessDenied = 5;
inline constexpr int kDiskFull = 101;

// The program's code for a C library errno value, or 0 when it has none; an unmapped error
// is reported with its own number (EIO must not read as "access denied").
int codeOfErrno(int error);
// The same for an errno value the platform's C library reports, which on Windows also
// says "invalid argument" for a name it cannot use.
int codeOfLibraryError(int error);
[[noreturn]] void throwCode(int code, const std::string& path, std::error_code systemError);

}  // namespace chronoflip
