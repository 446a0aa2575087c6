#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/text_fields.h"
#include "readers/numbered_lines.h"

namespace chronoflip {

// How RINEX 2.11 lays out its ION ALPHA and ION BETA lines (2X,4D12.4) and its DELTA-UTC:
// A0,A1,T,W line (3X,2D19.12,2I9).
inline constexpr std::string_view kIonosphereIndent = "  ";
inline constexpr std::string_view kUtcIndent = "   ";
inline constexpr int kUtcIntegerWidth = 9;
// The time system code RINEX 3 and 4 give GPS to UTC parameters under.
inline constexpr std::string_view kGpsToUtcCode = "GPUT";

// Values a RINEX 2.11 header needs, read from the columns of the line last read. Each fails,
// naming the line, the columns and what holds them ("TIME SYSTEM CORR GPUT: columns 6-22
// hold no number"), for a field that is no number or does not fit the 2.11 layout.

// A count or time of I6, I4, ... (readUnsignedField).
std::uint64_t requireUnsigned(NumberedLines& lines, std::string_view line, Columns columns,
                              std::string_view what);

// The field as it stands, once it is known to be a number.
std::string_view requireNumberText(NumberedLines& lines, std::string_view line, Columns columns,
                                   std::string_view what);

// " 0.931322574620D-09": the value exactly, D19.12 in the 0.-form (DecimalText).
std::string requireZeroPointForm(NumberedLines& lines, std::string_view line, Columns columns,
                                 std::string_view what);

// "  1.0245D-08": the value rounded to D12.4 (DecimalText).
std::string requireFourDecimalForm(NumberedLines& lines, std::string_view line, Columns columns,
                                   std::string_view what);

}  // namespace chronoflip
