#pragma once

#include <string>

#include "readers/conversion.h"
#include "readers/header_parameter_records.h"
#include "readers/numbered_lines.h"
#include "readers/text_buffer.h"

namespace chronoflip {

// What a RINEX 3 or 4 navigation header gives of the values a RINEX 2.11 header holds.
struct HeaderFacts {
    bool ionosphere = false;  // IONOSPHERIC CORR GPSA or GPSB
    bool utc = false;         // TIME SYSTEM CORR GPUT
};

// What the converter writes into the header besides what it converts.
struct HeaderAdditions {
    ConversionSource source;
    std::string leftOut;  // "Left out: ...", wrapped into the converter's COMMENT lines
    // Lines for values the header lacks, from RINEX 4 records, empty when there are none.
    HeaderParameters fromRecords;
};

// Reads a navigation header from line 1 to END OF HEADER and writes it into out as a RINEX
// 2.11 GPS navigation header: line 1 rewritten; PGM / RUN BY / DATE, COMMENT and END OF
// HEADER kept; the first IONOSPHERIC CORR GPSA and GPSB as ION ALPHA and ION BETA; the
// first TIME SYSTEM CORR GPUT as DELTA-UTC: A0,A1,T,W, A0 and A1 rewritten exactly;
// LEAP SECONDS cut to its first field; every other line left out. The converter's comments
// follow PGM / RUN BY / DATE (without one they precede END OF HEADER), and the lines from
// records precede LEAP SECONDS or END OF HEADER. Fails, naming the line, for a first line
// that is no RINEX VERSION / TYPE, a value that is no number or does not fit the 2.11
// layout, and a header without END OF HEADER.
HeaderFacts convertNavigationHeader(NumberedLines& lines, const HeaderAdditions& additions,
                                    TextBuffer& out);

}  // namespace chronoflip
