#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/file_system.h"
#include "core/line_scan.h"
#include "core/page_buffer.h"
#include "core/read_ahead_thread.h"
#include "core/source_count.h"

namespace chronoflip {

// Whether a reader reads its next chunk on a thread of its own while the caller works on
// the one before. Only for a caller that reads no other file meanwhile, as the file system
// under tests counts every operation in one sequence.
enum class ReadAhead { kOff, kOn };

// Reads 8-bit text lines. A line ends at LF (a CR before it, and any other CR, is
// dropped); Ctrl-Z (26) ends the input; a last line without LF counts; reading past
// the end yields an empty line. Lines have no length limit.
//
// The view returned by next() stays valid until the next call; no allocation happens
// per line once the buffers have grown to the longest line.
class LineReader {
  public:
    static constexpr std::size_t kDefaultBufferSize = 256 * 1024;

    // bufferSize is the size of each read; count, when given, is the file's (see
    // SourceCount), its taken part kept up to date. Given a mark, the lines it marks are
    // found in each read as it is made, for wholeLines().
    explicit LineReader(InputFile& file, std::size_t bufferSize = kDefaultBufferSize,
                        ReadAhead readAhead = ReadAhead::kOff, SourceCount* count = nullptr,
                        std::optional<LineMark> mark = std::nullopt);

    bool atEnd();
    std::string_view next();
    // False when the line last read was cut off by the end of the input (or Ctrl-Z) instead
    // of ending with LF: formats that must tell a truncated file ask this.
    bool lineEnded() const { return lineEnded_; }

    // Whole lines as the reader holds them, for a caller that changes them in place and
    // writes them out itself instead of line by line.
    struct LineBlock {
        std::span<char> text;  // the lines, each ended by its LF
        std::size_t lines = 0;
        bool crLf = false;  // each line ends with CR LF (false may also mean: not known)
        // Whether the lines the reader's mark marks were found; then they are those starting
        // at markedFrom plus each of marked, and perhaps the first line, which the caller
        // looks at itself.
        bool marksFound = false;
        char* markedFrom = nullptr;
        std::span<const std::uint32_t> marked;
    };
    // The unread lines of the buffer in hand that end in it with LF; valid until the next
    // call. The start of a line cut at the end of a read is carried to the front of the
    // next one. Empty when the next line runs past what is carried (a quarter of a read),
    // is the input's last one without LF, or when the lines hold a CR that is not part of a
    // CR LF (next() drops those): next() then reads it, and taking turns with next() is
    // always right.
    LineBlock wholeLines();

  private:
    // Reads the next chunk, the last kept unread bytes carried to just before it.
    bool fill(std::size_t kept = 0);
    std::string_view finish(std::string_view line);

    InputFile& file_;
    SourceCount* const count_;
    const std::size_t room_;   // before each chunk, for the start of a line cut at its end
    const std::size_t chunk_;  // the size of each read
    PageBuffer buffer_;
    const std::optional<LineMark> mark_;
    MarkedLines marked_;                          // in the chunk in hand, given a mark
    std::unique_ptr<ReadAheadThread> readAhead_;  // null when reads are made in turn
    std::size_t begin_ = 0;                       // first unread byte in buffer_
    std::size_t end_ = 0;                         // one past the last valid byte in buffer_
    bool inputEnded_ = false;
    bool lineEnded_ = false;
    bool chunkHasLoneCr_ = false;   // lets CR LF lines skip the search for stray CRs
    bool linesHaveLoneCr_ = false;  // the same, leaving out a CR at the chunk's very end
    bool linesHaveBareLf_ = false;  // an LF without CR before it may be among them
    std::size_t lfsUnread_ = 0;     // the LFs between begin_ and end_
    std::string spill_;             // a line that crosses buffer refills, or holds a lone CR
};

}  // namespace chronoflip
