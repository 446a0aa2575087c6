#pragma once

#include "readers/navigation_records.h"
#include "readers/text_buffer.h"

namespace chronoflip {

// Converts the GPS LNAV record records stands at (RINEX 3 "G01 ...", or the lines after a
// RINEX 4 "> EPH G01 LNAV") into out as a RINEX 2.11 record: the first line rewritten with
// the satellite number, a two-digit year and the second as F5.1, its three 19-character
// fields carried over unchanged; the seven orbit lines with their first blank dropped and
// their fields unchanged. Fails, naming the line, for a record of other than 8 lines, a
// malformed first line, an orbit line not starting with 4 blanks, and text past column 80.
void convertGpsRecord(NavigationRecords& records, TextBuffer& out);

}  // namespace chronoflip
