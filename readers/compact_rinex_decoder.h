#pragma once

#include "readers/text_buffer.h"

namespace chronoflip {

// The decoder of one Compact RINEX version, reading the lines after the two that open the
// file (CRINEX VERS / TYPE, CRINEX PROG / DATE).
class CompactRinexDecoder {
  public:
    virtual ~CompactRinexDecoder() = default;
    // Appends the next piece of RINEX text: the header first, then an epoch or an event at
    // a time. False once the file has no more.
    virtual bool produce(TextBuffer& out) = 0;
};

}  // namespace chronoflip
