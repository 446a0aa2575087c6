#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace chronoflip {

// Lines whose byte at index is mark (neither LF nor 0), index below LineScan::kMaxMarkIndex.
struct LineMark {
    std::size_t index;
    char mark;
};

// Finds, in a block of whole lines each ended by LF, the lines with a mark at a given index,
// looking at 64 bytes at a time: where few lines are marked, the others cost a fraction of
// a look at each of them.
class LineScan {
  public:
    // A line is marked when it has more than mark.index bytes before its LF and its byte
    // there is mark.mark.
    static constexpr std::size_t kMaxMarkIndex = 64;
    LineScan(std::span<const char> lines, LineMark mark);

    // The offset of the next marked line's start; false after the last.
    bool next(std::size_t& offset);

  private:
    const char* data_;
    std::size_t size_;
    std::size_t markIndex_;
    char mark_;
    std::size_t window_ = 0;  // offset of the 64 bytes in hand
    std::size_t nextWindow_ = 0;
    std::uint64_t marked_ = 0;  // a bit per byte of the window: line starts with the mark
    bool lineStarts_ = true;    // the window's first byte starts a line
    std::array<char, 64 + kMaxMarkIndex> tail_{};  // the last bytes, padded, for whole loads
};

// The marked lines of a chunk of text that start after an LF in it and end in it with LF,
// as offsets from its start (where the line before its first LF starts is not known).
struct MarkedLines {
    bool found = false;  // they were looked for
    std::vector<std::uint32_t> starts;
};
void findMarkedLines(std::span<const char> chunk, LineMark mark, MarkedLines& marked);
// The most lines findMarkedLines() can find in a chunk of size bytes: marked lines start at
// least mark.index + 2 bytes apart.
std::size_t mostMarkedLines(std::size_t size, LineMark mark);

}  // namespace chronoflip
