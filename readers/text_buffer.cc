#include "readers/text_buffer.h"

#include <algorithm>

namespace chronoflip {

void TextBuffer::grow(std::size_t size) {
    storage_.resize(std::max(storage_.size() * 2, end_ + size));
}

std::size_t TextBuffer::take(char* out, std::size_t size) {
    const std::size_t n = std::min(size, waiting());
    if (n != 0) std::memcpy(out, storage_.data() + begin_, n);
    begin_ += n;
    if (begin_ == lineStart_) {
        // Keep the line in hand, if any, at the front.
        const std::size_t partial = end_ - lineStart_;
        if (partial != 0) std::memmove(storage_.data(), storage_.data() + lineStart_, partial);
        begin_ = lineStart_ = 0;
        end_ = partial;
    }
    return n;
}

}  // namespace chronoflip
