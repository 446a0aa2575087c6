#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_system.h"

namespace chronoflip {

// Reads 8-bit text lines. A line ends at LF (a CR before it, and any other CR, is
// dropped); Ctrl-Z (26) ends the input; a last line without LF counts; reading past
// the end yields an empty line. Lines have no length limit.
//
// The view returned by next() stays valid until the next call; no allocation happens
// per line once the buffers have grown to the longest line.
class LineReader {
  public:
    explicit LineReader(InputFile& file, std::size_t bufferSize = 256 * 1024);

    bool atEnd();
    std::string_view next();
    // False when the line last read was cut off by the end of the input (or Ctrl-Z) instead
    // of ending with LF: formats that must tell a truncated file ask this.
    bool lineEnded() const { return lineEnded_; }

  private:
    bool fill();
    std::string_view finish(std::string_view line);

    InputFile& file_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;  // first unread byte in buffer_
    std::size_t end_ = 0;    // one past the last valid byte in buffer_
    bool inputEnded_ = false;
    bool lineEnded_ = false;
    bool chunkHasLoneCr_ = false;  // lets CR LF lines skip the search for stray CRs
    std::string spill_;            // a line that crosses buffer refills, or holds a lone CR
};

}  // namespace chronoflip
