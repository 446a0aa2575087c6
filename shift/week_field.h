#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/line_writer.h"

namespace chronoflip {

// Writes line 6 (BROADCAST ORBIT 5) of a navigation record with its GPS week field
// moved back by weekCorr weeks: columns 1-42, the new mantissa, then columns 49-79.
// The week is mantissa x 10^exponent; only the mantissa (columns 43-48) changes.
// A mantissa or exponent that is no number leaves the line as it was.
void writeShiftedWeekLine(LineWriter& out, std::string_view line, std::uint16_t weekCorr);

// The mantissa text that replaces columns 43-48 (six characters, seven when negative),
// or an empty text when the field holds no number.
std::string shiftedWeekMantissa(std::string_view line, std::uint16_t weekCorr);

}  // namespace chronoflip
