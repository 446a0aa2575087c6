#include "core/line_scan.h"

#include <bit>
#include <cstring>

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

}  // namespace

LineScan::LineScan(std::span<const char> lines, std::size_t markIndex, char mark)
    : data_(lines.data()), size_(lines.size()), markIndex_(markIndex), mark_(mark) {}

void LineScan::look(const char* text) {
    const std::uint64_t lfs = bytesEqual(text, '\n');
    marked_ = (lfs << 1 | std::uint64_t{lineStarts_}) & bytesEqual(text + markIndex_, mark_);
    lineStarts_ = (lfs >> 63) != 0;
}

bool LineScan::next(std::size_t& offset) {
    for (;;) {
        if (marked_ == 0) {
            if (nextWindow_ >= size_) return false;
            window_ = nextWindow_;
            nextWindow_ += 64;
            const std::size_t left = size_ - window_;
            if (left >= 64 + markIndex_) {
                look(data_ + window_);
            } else {
                // Loads must not run past the block: its last bytes are looked at in a copy
                // padded with zeros, which are neither LF nor the mark.
                tail_.fill(0);
                std::memcpy(tail_.data(), data_ + window_, left);
                look(tail_.data());
            }
            continue;
        }
        offset = window_ + static_cast<std::size_t>(std::countr_zero(marked_));
        marked_ &= marked_ - 1;
        // The mark counts only inside the line: no LF before it.
        if (std::memchr(data_ + offset, '\n', markIndex_) == nullptr) return true;
    }
}

}  // namespace chronoflip
