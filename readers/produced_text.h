#pragma once

#include <cstddef>
#include <memory>

#include "core/file_system.h"
#include "readers/text_buffer.h"

namespace chronoflip {

// A reader whose text is made piece by piece (a header, an epoch, a record) from another
// text: the derived reader produces a piece whenever everything made so far has been
// read, so memory holds one piece, however long the file.
class ProducedText : public InputFile {
  public:
    std::size_t read(char* buffer, std::size_t size) final;
    void close() final { source_->close(); }

  protected:
    explicit ProducedText(std::unique_ptr<InputFile> source) : source_(std::move(source)) {}
    InputFile& source() { return *source_; }
    // Appends the next piece to out; false once the source has nothing left to give.
    virtual bool produce(TextBuffer& out) = 0;

  private:
    std::unique_ptr<InputFile> source_;
    TextBuffer text_;
    bool finished_ = false;
};

}  // namespace chronoflip
