#pragma once

#include <algorithm>
#include <cstring>
#include <string>

#include "file_system.h"

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

}  // namespace chronoflip::testing
