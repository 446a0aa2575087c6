#pragma once

#include <memory>
#include <string>

#include "core/file_system.h"
#include "readers/numbered_lines.h"
#include "readers/produced_text.h"

namespace chronoflip {

class CompactRinexDecoder;

// The RINEX observation text of a Compact RINEX (Hatanaka) file, restored exactly: RINEX 2
// from Compact RINEX 1.0, RINEX 3 or 4 from Compact RINEX 3.0, as the first line says.
// Header, epoch lines with their clock offsets, observations integrated from their
// differences, LLI and signal-strength flags, blank observations and event records. Lines
// end with LF and carry no trailing blanks, as the format stores them. Decoding streams
// epoch by epoch in constant memory.
//
// Anything the format does not allow (another version, a value used before its arc was
// started, a number too long for its field, a malformed epoch line, a file cut short, ...)
// throws an Error naming the file and the line.
class CompactRinexInput final : public ProducedText {
  public:
    CompactRinexInput(std::unique_ptr<InputFile> compact, std::string path);
    ~CompactRinexInput() override;

  private:
    bool produce(TextBuffer& out) override;
    std::unique_ptr<CompactRinexDecoder> chooseDecoder();

    NumberedLines lines_;
    std::unique_ptr<CompactRinexDecoder> decoder_;  // chosen by the first line read
};

}  // namespace chronoflip
