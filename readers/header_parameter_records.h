#pragma once

#include <string>

#include "readers/navigation_records.h"

namespace chronoflip {

// What RINEX 4 keeps in records and a RINEX 2.11 GPS navigation header holds: the content
// (columns 1-60) of its ION ALPHA, ION BETA and DELTA-UTC lines, each empty until found.
struct HeaderParameters {
    std::string ionAlpha;  // "    1.0245D-08  2.2352D-08 -5.9605D-08 -1.1921D-07"
    std::string ionBeta;
    std::string deltaUtc;   // 3X, A0 and A1 as the record writes them, T and W as I9
    std::string ionSource;  // the marker lines of the records read, for the header's comments
    std::string utcSource;
};

// Reads the "> ION Gnn LNAV" record records stands at: alpha 0-3 and beta 0-3 of the
// Klobuchar model, each rounded to D12.4. Fails, naming the line, for a value that is no
// number and a record of other than 3 lines.
void readIonosphereRecord(NavigationRecords& records, HeaderParameters& into);

// Reads the "> STO Gnn LNAV" record records stands at when its time system code is GPUT:
// A0 and A1, and as T and W the second and the GPS week of its reference epoch. False,
// with the record left unread, for any other code. Fails, naming the line, for a malformed
// epoch, a value that is no number and a record of other than 2 lines.
bool readUtcRecord(NavigationRecords& records, HeaderParameters& into);

}  // namespace chronoflip
