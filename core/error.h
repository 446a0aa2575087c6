#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

namespace chronoflip {

// Every failure the user may see carries its final message text; windows and the
// command line show what() as it stands.
class Error : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Input that cannot be read for what its name says it holds: damaged, cut short, or of
// another format. The message names the file, then what was wrong with it.
class InputError : public Error {
  public:
    InputError(const std::string& path, std::string_view problem)
        : Error(path + ": " + std::string(problem)) {}
};

inline constexpr const char* kRangeCheckError = "Range check error";
inline constexpr const char* kIntegerOverflow = "Integer overflow";
inline constexpr const char* kInvalidDate = "Invalid argument to date encode";

// Message for a system error code, in the numbering the rest of the program speaks:
// 2 file not found, 3 invalid filename, 4 too many open files, 5 access denied,
// 100 read past end, 101 disk full, 106 invalid numeric input.
std::string ioErrorMessage(int code);

// Maps the system's own error number onto that numbering and throws: errno on POSIX,
// GetLastError() on Windows, whose codes already are that numbering.
[[noreturn]] void throwSystemError(int systemError);
// The same for an error the C++ library reports, which may be a C library errno value
// (its generic category) even on Windows.
[[noreturn]] void throwSystemError(const std::error_code& error);

}  // namespace chronoflip

namespace chronoflip {

// A RINEX observation header must give TIME OF FIRST OBS: without it the shift and the
// comment block have no year to start from.
inline constexpr const char* kNoFirstObservation = "TIME OF FIRST OBS missing in header";
// A navigation file whose header never ends has no first record to date it by.
inline constexpr const char* kNoEndOfHeader = "END OF HEADER missing";

}  // namespace chronoflip
