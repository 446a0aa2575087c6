#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "core/file_system.h"

namespace chronoflip {

// The data of a gzip file, one member or several in a row, inflated through zlib in
// constant memory. Data that is not gzip, a damaged stream, a trailer whose CRC or length
// disagrees with the data, and a file cut short all throw an Error naming the file.
class GzipInput final : public InputFile {
  public:
    GzipInput(std::unique_ptr<InputFile> compressed, std::string path);
    ~GzipInput() override;

    std::size_t read(char* buffer, std::size_t size) override;
    void close() override;

  private:
    struct Stream;

    [[noreturn]] void fail(int status) const;

    std::unique_ptr<InputFile> compressed_;
    std::string path_;
    std::unique_ptr<Stream> stream_;
};

}  // namespace chronoflip
