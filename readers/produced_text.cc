#include "readers/produced_text.h"

namespace chronoflip {

namespace {

// Pieces are made until this much text waits, so that reads stay few and large.
constexpr std::size_t kBatch = 64 * 1024;

}  // namespace

std::size_t ProducedText::read(char* buffer, std::size_t size) {
    if (text_.waiting() == 0) {
        while (!finished_ && text_.waiting() < kBatch) finished_ = !produce(text_);
    }
    return text_.take(buffer, size);
}

}  // namespace chronoflip
