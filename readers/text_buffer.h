#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>
#include <vector>

namespace chronoflip {

// Text a reader has produced and not yet handed out, built line by line: every line ends
// with LF and loses its trailing blanks, as RINEX writers leave them. The storage grows to
// the largest batch and is then reused, so nothing is allocated per line.
class TextBuffer {
  public:
    // Room for size more bytes of the line in hand; commit() what was written there.
    char* reserve(std::size_t size) {
        if (storage_.size() - end_ < size) grow(size);
        return storage_.data() + end_;
    }
    void commit(std::size_t size) { end_ += size; }
    // The same for whole lines, each ended with LF, written after the last line ended.
    void commitLines(std::size_t size) {
        end_ += size;
        lineStart_ = end_;
    }

    void put(std::string_view text) {
        if (text.empty()) return;
        std::memcpy(reserve(text.size()), text.data(), text.size());
        end_ += text.size();
    }
    void put(char c) {
        *reserve(1) = c;
        ++end_;
    }
    void putBlanks(std::size_t count) {
        std::memset(reserve(count), ' ', count);
        end_ += count;
    }
    // Blanks up to width characters in the line in hand; nothing when it is that long.
    void padLine(std::size_t width) {
        const std::size_t length = lineLength();
        if (length < width) putBlanks(width - length);
    }
    std::size_t lineLength() const { return end_ - lineStart_; }
    // The line in hand so far.
    std::string_view line() const { return {storage_.data() + lineStart_, lineLength()}; }
    // Ends the line in hand: trailing blanks cut, then LF.
    void endLine() {
        while (end_ > lineStart_ && storage_[end_ - 1] == ' ') --end_;
        put('\n');
        lineStart_ = end_;
    }
    // Forgets the line in hand, for a line built and then found not to be written.
    void dropLine() { end_ = lineStart_; }
    // Marks where a piece of text (an epoch, a record) began, so that rollBack() can forget
    // it whole when it turns out not to be written.
    std::size_t mark() const { return end_; }
    void rollBack(std::size_t mark) { end_ = lineStart_ = mark; }

    // Moves other's ended lines to the end of this buffer, whose line in hand must be empty:
    // a piece built aside (an epoch's data, known only after its epoch line) joins the text.
    void appendLines(TextBuffer& other) {
        const std::size_t size = other.waiting();
        other.take(reserve(size), size);
        end_ += size;
        lineStart_ = end_;
    }

    // Ended lines waiting to be handed out.
    std::size_t waiting() const { return lineStart_ - begin_; }
    // Copies up to size waiting bytes out; once all are out the storage is reused.
    std::size_t take(char* out, std::size_t size);

  private:
    void grow(std::size_t size);

    std::vector<char> storage_;
    std::size_t begin_ = 0;      // first byte not yet handed out
    std::size_t lineStart_ = 0;  // start of the line in hand
    std::size_t end_ = 0;        // one past the last byte written
};

}  // namespace chronoflip
