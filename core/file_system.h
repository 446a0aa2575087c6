#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace chronoflip {

// Every file access of the engines goes through these interfaces so tests can make any
// single read, write, close, delete or rename fail. All failures throw chronoflip::Error
// naming the file and carrying the system's code.

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
    // The file's size in bytes.
    virtual std::uint64_t fileSize(const std::string& path) = 0;
    // Deletes the file when there is one; a folder of that name is never deleted. Throws
    // with the system's reason when a file is there and stays.
    virtual void remove(const std::string& path) = 0;
    // Throws with the system's reason when the file cannot be moved, and when the target
    // exists: a rename never replaces a file.
    virtual void rename(const std::string& from, const std::string& to) = 0;
    // True when both paths name one existing file (links, case-insensitive names).
    virtual bool sameFile(const std::string& a, const std::string& b) = 0;
};

// The computer's own file system.
class LocalFileSystem final : public FileSystem {
  public:
    std::unique_ptr<InputFile> openRead(const std::string& path) override;
    std::unique_ptr<OutputFile> create(const std::string& path) override;
    bool exists(const std::string& path) override;
    std::uint64_t fileSize(const std::string& path) override;
    void remove(const std::string& path) override;
    void rename(const std::string& from, const std::string& to) override;
    bool sameFile(const std::string& a, const std::string& b) override;

    // The whole file.
    std::string readWhole(const std::string& path);
    // Gives the file the new content in one step: it is written to a file beside the old
    // one, flushed to the disk and renamed over it, so a failure (or a crash) at any point
    // leaves either the old content or the new, never a mixture, and no file beside it.
    void replaceWhole(const std::string& path, std::string_view content);
    // Where replaceWhole writes before the rename.
    static std::string temporaryPath(const std::string& path) { return path + ".chronoflip-tmp"; }
};

}  // namespace chronoflip
