#include "core/line_scan.h"

#include <bit>
#include <cstring>
#include <string_view>

#include "core/wide_vectors.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace chronoflip {

namespace {

// A bit for each of the 64 bytes at text that equals c.
std::uint64_t bytesEqual(const char* text, char c) {
#if defined(__SSE2__)
    const __m128i wanted = _mm_set1_epi8(c);
    std::uint64_t bits = 0;
    for (int i = 0; i < 4; ++i) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + 16 * i));
        const auto found =
            static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, wanted)));
        bits |= std::uint64_t{found} << (16 * i);
    }
    return bits;
#else
    std::uint64_t bits = 0;
    for (int i = 0; i < 64; ++i) bits |= std::uint64_t{text[i] == c} << i;
    return bits;
#endif
}

// The window's lines that start with the mark, from its LFs and its bytes markIndex on;
// lineStarts carries whether the next window's first byte starts a line.
std::uint64_t markedLines(std::uint64_t lfs, std::uint64_t marks, bool& lineStarts) {
    const std::uint64_t marked = (lfs << 1 | std::uint64_t{lineStarts}) & marks;
    lineStarts = (lfs >> 63) != 0;
    return marked;
}

struct Window {
    std::size_t offset;
    std::uint64_t marked;  // none: offset is the first window not looked at
};

// Looks at the windows from offset on that start before limit, up to the first with a
// marked line.
Window scanNarrow(const char* data, std::size_t offset, std::size_t limit, std::size_t markIndex,
                  char mark, bool& lineStarts) {
    for (; offset < limit; offset += 64) {
        const std::uint64_t marked =
            markedLines(bytesEqual(data + offset, '\n'),
                        bytesEqual(data + offset + markIndex, mark), lineStarts);
        if (marked != 0) return {offset, marked};
    }
    return {offset, 0};
}

#if defined(CHRONOFLIP_HAVE_AVX2_CODE)
CHRONOFLIP_AVX2_TARGET Window scanWide(const char* data, std::size_t offset, std::size_t limit,
                                       std::size_t markIndex, char mark, bool& lineStarts) {
    const __m256i lf = _mm256_set1_epi8('\n');
    const __m256i wanted = _mm256_set1_epi8(mark);
    for (; offset < limit; offset += 64) {
        const std::uint64_t marked =
            markedLines(equalBitsWide(data + offset, lf),
                        equalBitsWide(data + offset + markIndex, wanted), lineStarts);
        if (marked != 0) return {offset, marked};
    }
    return {offset, 0};
}
#endif

}  // namespace

LineScan::LineScan(std::span<const char> lines, LineMark mark)
    : data_(lines.data()), size_(lines.size()), markIndex_(mark.index), mark_(mark.mark) {}

bool LineScan::next(std::size_t& offset) {
    // Windows starting before this can be loaded whole, their mark bytes included.
    const std::size_t wholeLimit = size_ >= 64 + markIndex_ ? size_ - 64 - markIndex_ + 1 : 0;
    for (;;) {
        if (marked_ == 0) {
            if (nextWindow_ >= size_) return false;
            if (nextWindow_ < wholeLimit) {
#if defined(CHRONOFLIP_HAVE_AVX2_CODE)
                const Window found = haveAvx2() ? scanWide(data_, nextWindow_, wholeLimit,
                                                           markIndex_, mark_, lineStarts_)
                                                : scanNarrow(data_, nextWindow_, wholeLimit,
                                                             markIndex_, mark_, lineStarts_);
#else
                const Window found =
                    scanNarrow(data_, nextWindow_, wholeLimit, markIndex_, mark_, lineStarts_);
#endif
                window_ = found.offset;
                marked_ = found.marked;
                nextWindow_ = found.marked != 0 ? found.offset + 64 : found.offset;
                continue;
            }
            // Loads must not run past the block: its last bytes are looked at in a copy padded
            // with zeros, which are neither LF nor the mark.
            window_ = nextWindow_;
            nextWindow_ += 64;
            tail_.fill(0);
            std::memcpy(tail_.data(), data_ + window_, size_ - window_);
            marked_ = markedLines(bytesEqual(tail_.data(), '\n'),
                                  bytesEqual(tail_.data() + markIndex_, mark_), lineStarts_);
            continue;
        }
        offset = window_ + static_cast<std::size_t>(std::countr_zero(marked_));
        marked_ &= marked_ - 1;
        // The mark counts only inside the line: no LF before it.
        if (std::memchr(data_ + offset, '\n', markIndex_) == nullptr) return true;
    }
}

void findMarkedLines(std::span<const char> chunk, LineMark mark, MarkedLines& marked) {
    std::vector<std::uint32_t>& starts = marked.starts;
    starts.clear();
    marked.found = true;
    const std::string_view text(chunk.data(), chunk.size());
    const std::size_t first = text.find('\n');
    if (first == std::string_view::npos) return;
    const std::size_t begin = first + 1;
    const std::size_t end = text.rfind('\n') + 1;
    LineScan scan(chunk.subspan(begin, end - begin), mark);
    for (std::size_t offset = 0; scan.next(offset);) {
        starts.push_back(static_cast<std::uint32_t>(begin + offset));
    }
}

std::size_t mostMarkedLines(std::size_t size, LineMark mark) {
    return size / (mark.index + 2) + 1;
}

}  // namespace chronoflip
