#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace chronoflip {

// Every file access of the engine goes through these interfaces so tests can make any
// single read, write, close, delete or rename fail. All failures throw chronoflip::Error.

class InputFile {
  public:
    virtual ~InputFile() = default;
    // Reads up to size bytes; returns 0 only at the end of the file.
    virtual std::size_t read(char* buffer, std::size_t size) = 0;
    virtual void close() = 0;
};

class OutputFile {
  public:
    virtual ~OutputFile() = default;
    // Writes all size bytes or throws.
    virtual void write(const char* data, std::size_t size) = 0;
    virtual void close() = 0;
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;
    virtual std::unique_ptr<InputFile> openRead(const std::string& path) = 0;
    // Creates the file, or empties it when it exists.
    virtual std::unique_ptr<OutputFile> create(const std::string& path) = 0;
    virtual bool exists(const std::string& path) = 0;
    // Returns false when the file could not be deleted; callers decide whether that matters.
    virtual bool remove(const std::string& path) = 0;
    // Fails (returns false) when the target exists: a rename never replaces a file.
    virtual bool rename(const std::string& from, const std::string& to) = 0;
    // True when both paths name one existing file (links, case-insensitive names).
    virtual bool sameFile(const std::string& a, const std::string& b) = 0;
};

// The computer's own file system.
class LocalFileSystem final : public FileSystem {
  public:
    std::unique_ptr<InputFile> openRead(const std::string& path) override;
    std::unique_ptr<OutputFile> create(const std::string& path) override;
    bool exists(const std::string& path) override;
    bool remove(const std::string& path) override;
    bool rename(const std::string& from, const std::string& to) override;
    bool sameFile(const std::string& a, const std::string& b) override;

    // The whole file; throws std::system_error carrying the system's error.
    std::string readWhole(const std::string& path);
    // Gives the file the new content in one step: it is written to a file beside the old
    // one, flushed to the disk and renamed over it, so a failure (or a crash) at any point
    // leaves either the old content or the new, never a mixture. Throws std::system_error
    // carrying the system's error, the file untouched.
    void replaceWhole(const std::string& path, std::string_view content);
    // Where replaceWhole writes before the rename.
    static std::string temporaryPath(const std::string& path) { return path + ".chronoflip-tmp"; }
};

}  // namespace chronoflip
