#pragma once

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <cerrno>

#include "core/error.h"
#include "core/file_system.h"

namespace chronoflip::testing {

// Input from a string, handed out in chunks of a chosen size so tests can put buffer
// boundaries anywhere.
class StringInput : public InputFile {
  public:
    explicit StringInput(std::string bytes, std::size_t chunk = 1 << 20)
        : bytes_(std::move(bytes)), chunk_(chunk) {}
    std::size_t read(char* buffer, std::size_t size) override {
        const std::size_t n = std::min({size, chunk_, bytes_.size() - offset_});
        std::memcpy(buffer, bytes_.data() + offset_, n);
        offset_ += n;
        return n;
    }
    void close() override {}

  private:
    std::string bytes_;
    std::size_t chunk_;
    std::size_t offset_ = 0;
};

class StringOutput : public OutputFile {
  public:
    std::string bytes;
    void write(const char* data, std::size_t size) override { bytes.append(data, size); }
    void close() override {}
};

// Files kept in memory: fuzzing runs millions of inputs without touching the disk.
class MemoryFileSystem : public FileSystem {
  public:
    std::map<std::string, std::string> files;

    std::unique_ptr<InputFile> openRead(const std::string& path) override {
        const auto found = files.find(path);
        if (found == files.end()) throwSystemError(ENOENT, path);
        return std::make_unique<StringInput>(found->second);
    }
    std::unique_ptr<OutputFile> create(const std::string& path) override;
    bool exists(const std::string& path) override { return files.count(path) != 0; }
    std::uint64_t fileSize(const std::string& path) override { return files.at(path).size(); }
    void remove(const std::string& path) override { files.erase(path); }
    void rename(const std::string& from, const std::string& to) override {
        if (files.count(to) != 0) throw Error("File exists", from);
        if (files.count(from) == 0) throwSystemError(ENOENT, from);
        files[to] = std::move(files[from]);
        files.erase(from);
    }
    bool sameFile(const std::string& a, const std::string& b) override {
        return a == b && exists(a);
    }
};

// Writes into the memory file system's entry as it goes.
class MemoryOutput : public OutputFile {
  public:
    explicit MemoryOutput(std::string& target) : target_(target) { target_.clear(); }
    void write(const char* data, std::size_t size) override { target_.append(data, size); }
    void close() override {}

  private:
    std::string& target_;
};

inline std::unique_ptr<OutputFile> MemoryFileSystem::create(const std::string& path) {
    return std::make_unique<MemoryOutput>(files[path]);
}

// Everything an input gives, asked for in reads of the given size.
inline std::string drain(InputFile& input, std::size_t request) {
    std::vector<char> buffer(request);
    std::string bytes;
    while (const std::size_t n = input.read(buffer.data(), buffer.size()))
        bytes.append(buffer.data(), n);
    return bytes;
}

}  // namespace chronoflip::testing
