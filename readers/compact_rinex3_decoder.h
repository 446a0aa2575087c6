#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "readers/compact_rinex_arc.h"
#include "readers/compact_rinex_decoder.h"
#include "readers/compact_rinex_satellites.h"
#include "readers/numbered_lines.h"

namespace chronoflip {

// Compact RINEX 3.0 back to the RINEX 3 or 4 observation text it encodes: epoch lines with
// their clock offsets, one line per satellite holding all its system's observations, event
// records and flag-6 epochs copied.
class CompactRinex3Decoder final : public CompactRinexDecoder {
  public:
    explicit CompactRinex3Decoder(NumberedLines& lines) : lines_(lines) {}

    bool produce(TextBuffer& out) override;

  private:
    [[noreturn]] void fail(std::string_view problem) const { lines_.fail(problem); }
    bool nextEpochLine(std::string_view& line);
    std::string_view nextDataLine();
    void decodeHeader(TextBuffer& out);
    void readSystemTypes(std::string_view line);
    void decodeEpoch(TextBuffer& out, std::string_view line);
    void decodeEvent(TextBuffer& out, std::string_view line);
    std::size_t checkEpochText() const;
    void listSatellites(std::size_t count);
    void resetState();

    NumberedLines& lines_;
    bool headerDone_ = false;
    // The number of observation types of each system, by its letter; 0 for a system the
    // header does not declare.
    std::array<std::uint16_t, 256> types_{};

    std::string epoch_;       // the last epoch text, the reference for the next difference
    bool haveEpoch_ = false;  // false at the start and after an event
    Arc clock_;               // live while the epochs carry a clock offset
    CompactRinexSatellites satellites_{BlankFieldFlags::kKept};
};

}  // namespace chronoflip
