#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "core/file_system.h"
#include "readers/produced_text.h"

namespace chronoflip {

// The RINEX 2 observation text of a Compact RINEX 1.0 (Hatanaka) file, restored exactly:
// header, epoch lines with their clock offsets, observations integrated from their
// differences, LLI and signal-strength flags, blank observations and event records. Lines
// end with LF and carry no trailing blanks, as the format stores them. Decoding streams
// epoch by epoch in constant memory.
//
// Anything the format does not allow (a value used before its arc was started, a number
// too long for its field, a malformed epoch line, a file cut short, ...) throws an Error
// naming the file and the line.
class CompactRinexInput final : public ProducedText {
  public:
    CompactRinexInput(std::unique_ptr<InputFile> compact, std::string path);
    ~CompactRinexInput() override;

  private:
    class Decoder;

    bool produce(TextBuffer& out) override;

    std::unique_ptr<Decoder> decoder_;
};

}  // namespace chronoflip
