#include "core/line_reader.h"

#include <algorithm>
#include <cstring>

namespace chronoflip {

namespace {

constexpr char kCtrlZ = 26;

// A CR not followed by LF within the chunk; a CR at its very end counts, as its LF lies
// beyond. Written branch-free so the compiler vectorises it.
bool hasLoneCr(const char* data, std::size_t size) {
    if (size == 0) return false;
    const auto* bytes = reinterpret_cast<const unsigned char*>(data);
    unsigned char found = bytes[size - 1] == '\r';
    for (std::size_t i = 0; i + 1 < size; ++i) {
        found |= static_cast<unsigned char>((bytes[i] == '\r') & (bytes[i + 1] != '\n'));
    }
    return found != 0;
}

}  // namespace

LineReader::LineReader(InputFile& file, std::size_t bufferSize)
    : file_(file), buffer_(std::max<std::size_t>(bufferSize, 2)) {}

bool LineReader::fill() {
    if (inputEnded_) return false;
    const std::size_t n = file_.read(buffer_.data(), buffer_.size());
    begin_ = 0;
    end_ = n;
    if (n == 0) {
        inputEnded_ = true;
        return false;
    }
    if (const void* stop = std::memchr(buffer_.data(), kCtrlZ, n)) {
        end_ = static_cast<std::size_t>(static_cast<const char*>(stop) - buffer_.data());
        inputEnded_ = true;
    }
    chunkHasLoneCr_ = hasLoneCr(buffer_.data(), end_);
    return end_ > 0;
}

bool LineReader::atEnd() {
    return begin_ == end_ && !fill();
}

std::string_view LineReader::finish(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const bool fromChunk = line.data() != spill_.data();
    if (fromChunk && !chunkHasLoneCr_) return line;
    if (std::memchr(line.data(), '\r', line.size()) == nullptr) return line;
    // Rare: drop every CR, not only the one before LF.
    if (fromChunk) spill_.assign(line);
    spill_.erase(std::remove(spill_.begin(), spill_.end(), '\r'), spill_.end());
    return spill_;
}

std::string_view LineReader::next() {
    lineEnded_ = false;
    if (begin_ == end_ && !fill()) return {};
    const char* start = buffer_.data() + begin_;
    const std::size_t available = end_ - begin_;
    if (const void* lf = std::memchr(start, '\n', available)) {
        const auto length = static_cast<std::size_t>(static_cast<const char*>(lf) - start);
        begin_ += length + 1;
        lineEnded_ = true;
        return finish({start, length});
    }
    // The line runs past this buffer: collect it until its LF or the end of the input.
    spill_.assign(start, available);
    begin_ = end_;
    while (fill()) {
        start = buffer_.data();
        if (const void* lf = std::memchr(start, '\n', end_)) {
            const auto length = static_cast<std::size_t>(static_cast<const char*>(lf) - start);
            spill_.append(start, length);
            begin_ = length + 1;
            lineEnded_ = true;
            return finish(spill_);
        }
        spill_.append(start, end_);
        begin_ = end_;
    }
    return finish(spill_);
}

}  // namespace chronoflip
