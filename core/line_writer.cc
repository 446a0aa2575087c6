#include "core/line_writer.h"

#include <algorithm>
#include <cstring>

#include "core/text_fields.h"

namespace chronoflip {

LineWriter::LineWriter(OutputFile& file, std::size_t bufferSize)
    : file_(file), buffer_(std::max<std::size_t>(bufferSize, 64)) {}

void LineWriter::put(std::string_view text) {
    // An empty view may carry no pointer at all, which memcpy must not be given.
    if (text.empty()) return;
    if (text.size() > buffer_.size() - used_) {
        flush();
        if (text.size() >= buffer_.size()) {
            file_.write(text.data(), text.size());
            return;
        }
    }
    std::memcpy(buffer_.data() + used_, text.data(), text.size());
    used_ += text.size();
}

void LineWriter::pass(std::string_view text) {
    if (text.size() < buffer_.size() / 4) {
        put(text);
        return;
    }
    flush();
    file_.write(text.data(), text.size());
}

void LineWriter::putInt(std::int64_t value, int width) {
    IntText text;
    put(text.format(value, width));
}

void LineWriter::endLine() {
    put("\r\n");
}

void LineWriter::flush() {
    if (used_ == 0) return;
    const std::size_t size = used_;
    // Forget the bytes first: after a failed write they must not be written again.
    used_ = 0;
    file_.write(buffer_.data(), size);
}

}  // namespace chronoflip
