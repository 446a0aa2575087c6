#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

namespace chronoflip {

// Every failure the user may see. what() is the message text as the user reads it; the
// file it concerns and the system's own error number travel beside it, so the command line
// can print "PATH: message" and a message box can name the file on a line of its own.
class Error : public std::runtime_error {
  public:
    explicit Error(const std::string& message, std::string path = {}, std::error_code code = {})
        : std::runtime_error(message), path_(std::move(path)), code_(code) {}

    // The file the failure concerns; empty when it concerns none.
    const std::string& path() const noexcept { return path_; }
    // What the system reported, in its own category (errno, GetLastError()); empty when
    // the failure is the program's own finding. code().message() is the system's wording.
    const std::error_code& code() const noexcept { return code_; }

  private:
    std::string path_;
    std::error_code code_;
};

// "PATH: message", or the message alone when the error names no file: the command line's
// form, which a log of hundreds of files needs.
std::string withPath(const Error& error);

inline constexpr const char* kRangeCheckError = "Range check error";
inline constexpr const char* kIntegerOverflow = "Integer overflow";
inline constexpr const char* kInvalidDate = "Invalid argument to date encode";

// Message for a system error code, in the numbering the rest of the program speaks:
// 2 file not found, 3 invalid filename, 4 too many open files, 5 access denied,
// 101 disk full.
std::string ioErrorMessage(int code);

// Maps the system's own error number onto that numbering and throws it for path: errno on
// Linux, GetLastError() on Windows, whose codes already are that numbering.
[[noreturn]] void throwSystemError(int systemError, const std::string& path);
// The error the system reported last on this thread: errno, or GetLastError() on Windows.
int lastSystemError();
// That error, thrown as throwSystemError does.
[[noreturn]] void throwLastSystemError(const std::string& path);
// The same for an error the C++ library reports, which may be a C library errno value
// (its generic category) even on Windows.
[[noreturn]] void throwSystemError(const std::error_code& error, const std::string& path);

}  // namespace chronoflip

namespace chronoflip {

// A RINEX observation header must give TIME OF FIRST OBS: without it the shift and the
// comment block have no year to start from.
inline constexpr const char* kNoFirstObservation = "TIME OF FIRST OBS missing in header";
// A navigation file whose header never ends has no first record to date it by.
inline constexpr const char* kNoEndOfHeader = "END OF HEADER missing";

}  // namespace chronoflip
