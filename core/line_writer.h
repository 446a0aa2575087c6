#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/file_system.h"
#include "core/page_buffer.h"

namespace chronoflip {

// Buffered writer of text lines, each ended with CR LF. A line is assembled from pieces
// with put() and ended with endLine(); nothing is allocated per line.
class LineWriter {
  public:
    explicit LineWriter(OutputFile& file, std::size_t bufferSize = 256 * 1024);

    void put(std::string_view text);
    // As put(), but text of a quarter of the buffer or more is written from where it lies
    // instead of being copied (what is buffered goes first): for whole lines already ended
    // with CR LF.
    void pass(std::string_view text);
    // The decimal text of value, with blanks on the left up to width characters; never cut.
    void putInt(std::int64_t value, int width = 0);
    void endLine();
    void line(std::string_view text) {
        put(text);
        endLine();
    }

    // Hands everything buffered to the file; a full disk shows here at the latest.
    void flush();

  private:
    OutputFile& file_;
    PageBuffer buffer_;
    std::size_t used_ = 0;
};

}  // namespace chronoflip
