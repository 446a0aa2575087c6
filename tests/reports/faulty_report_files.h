#pragma once

#include <string>
#include <system_error>

#include "core/error.h"
#include "core/paths.h"
#include "reports/report_files.h"

namespace chronoflip::testing {

// The computer's files, except that the file named by one of the fields, or the N-th
// access of any kind, fails as told.
class FaultyReportFiles final : public ReportFiles {
  public:
    std::unique_ptr<InputFile> openRead(const std::string& path) override {
        if (namePart(path) == failOpenRead || strikes())
            throwSystemError(std::make_error_code(error), path);
        return local_.openRead(path);
    }
    std::string readWhole(const std::string& path) override {
        if (namePart(path) == failReadWhole || strikes()) fail(path);
        return local_.readWhole(path);
    }
    void replaceWhole(const std::string& path, std::string_view content) override {
        if (namePart(path) == failReplaceWhole || strikes()) fail(path);
        local_.replaceWhole(path, content);
    }

    std::string failOpenRead;
    std::string failReadWhole;
    std::string failReplaceWhole;
    int failCall = 0;  // fails the failCall-th access of any kind; 0 never
    int calls = 0;
    // A C library error, which names itself alike on every platform.
    std::errc error = std::errc::no_space_on_device;

  private:
    bool strikes() { return ++calls == failCall; }
    [[noreturn]] void fail(const std::string& path) const {
        throwSystemError(std::make_error_code(error), path);
    }

    LocalReportFiles local_;
};

}  // namespace chronoflip::testing
