#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "readers/compact_rinex_arc.h"
#include "readers/compact_rinex_decoder.h"
#include "readers/compact_rinex_satellites.h"
#include "readers/numbered_lines.h"

namespace chronoflip {

// Compact RINEX 1.0 back to the RINEX 2 observation text it encodes: epoch lines with their
// clock offsets and continuation lines, five observations to a line, event records.
class CompactRinex1Decoder final : public CompactRinexDecoder {
  public:
    explicit CompactRinex1Decoder(NumberedLines& lines) : lines_(lines) {}

    bool produce(TextBuffer& out) override;

  private:
    [[noreturn]] void fail(std::string_view problem) const { lines_.fail(problem); }
    std::string_view nextLine() { return lines_.next("an epoch"); }
    void decodeHeader(TextBuffer& out);
    void readTypes(std::string_view line);
    void decodeEpoch(TextBuffer& out);
    void decodeEvent(TextBuffer& out, std::string_view line);
    std::size_t checkEpochText() const;
    void listSatellites(std::size_t count);
    void writeSatellite(TextBuffer& out, std::size_t index) const;
    void resetState();

    NumberedLines& lines_;
    bool headerDone_ = false;
    std::size_t types_ = 0;

    std::string epoch_;       // the last epoch text, the reference for the next difference
    bool haveEpoch_ = false;  // false at the start and after an event
    Arc clock_;               // live while the epochs carry a clock offset
    CompactRinexSatellites satellites_{BlankFieldFlags::kCleared};
};

}  // namespace chronoflip
