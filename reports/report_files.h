#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "core/file_system.h"

namespace chronoflip {

// The files the report reset reads and writes, behind one seam so tests can make any of
// them fail.
class ReportFiles {
  public:
    virtual ~ReportFiles() = default;
    // For reading line by line; throws chronoflip::Error with the input/output message.
    virtual std::unique_ptr<InputFile> openRead(const std::string& path) = 0;
    // The whole file; throws chronoflip::Error carrying the system's error.
    virtual std::string readWhole(const std::string& path) = 0;
    // Gives the file the new content in one step, so a failure (or a crash) at any point
    // leaves either the old content or the new, never a mixture. Throws chronoflip::Error
    // carrying the system's error, the file untouched.
    virtual void replaceWhole(const std::string& path, std::string_view content) = 0;
};

// The computer's own files.
class LocalReportFiles final : public ReportFiles {
  public:
    std::unique_ptr<InputFile> openRead(const std::string& path) override {
        return fileSystem_.openRead(path);
    }
    std::string readWhole(const std::string& path) override { return fileSystem_.readWhole(path); }
    void replaceWhole(const std::string& path, std::string_view content) override {
        fileSystem_.replaceWhole(path, content);
    }

    static std::string temporaryPath(const std::string& path) {
        return LocalFileSystem::temporaryPath(path);
    }

  private:
    LocalFileSystem fileSystem_;
};

}  // namespace chronoflip
