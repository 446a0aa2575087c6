#pragma once

#include <string_view>

#include "readers/text_buffer.h"

namespace chronoflip {

// What becomes of a RINEX 3 or 4 observation header record, in the header or among the
// records of an event, in RINEX 2.11.
enum class HeaderRecordRule {
    kKeep,         // same layout in 2.11: copied
    kLeapSeconds,  // 2.11 keeps the first field only
    kObsTypes,     // SYS / # / OBS TYPES: replaced by the file-wide 2.11 type list
    kScaleFactor,  // SYS / SCALE FACTOR: 1 is left out, any other factor refused
    kLeaveOut,     // no place in 2.11 (or its counts would be wrong after the conversion)
};

HeaderRecordRule headerRecordRule(std::string_view label);

// The RINEX 2.11 LEAP SECONDS record of a RINEX 3 one: its columns 1-6 (I6) alone.
void writeLeapSeconds(TextBuffer& out, std::string_view line);

// SYS / SCALE FACTOR: whether its factor (columns 3-6) is exactly 1, which changes nothing.
bool scaleFactorIsOne(std::string_view line);

}  // namespace chronoflip
