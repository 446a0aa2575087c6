#pragma once

#include <string>

namespace chronoflip::testing {

// A RINEX header line: the content in columns 1-60, the label from column 61.
std::string headerLine(const std::string& content, const std::string& label);

// The first and the last header line of RINEX 2.11 GPS files.
inline const std::string kObservationVersion =
    headerLine("     2.11           OBSERVATION DATA    G (GPS)", "RINEX VERSION / TYPE");
inline const std::string kNavigationVersion =
    headerLine("     2.11           N: GPS NAV DATA", "RINEX VERSION / TYPE");
inline const std::string kEndOfHeader = headerLine("", "END OF HEADER");

// The comment block a shift inserts before END OF HEADER, as a run with the recording host
// stamps it: the rule opens and closes it; the stamp and the heading come first, then the
// year/week line and any old-time lines.
inline const std::string kBlockRule =
    "----------------------------------------------------------- COMMENT";
inline const std::string kBlockStamp =
    ":                  Chronoflip 1.8   18/02/2016            : COMMENT";
inline const std::string kBlockHeading =
    ":                  DateTime   stamp   modified            : COMMENT";

// BROADCAST ORBIT lines: one for the lines a shift copies, and line 6 with GPS week 1886.
inline const std::string kOrbitLine =
    "    0.100000000000D+01 0.200000000000D+01 0.300000000000D+01 0.4D+01";
inline const std::string kWeekLine =
    "    0.123456789012D-09 0.100000000000D+01 0.188600000000D+04 0.000000000000D+00";

// An ephemeris record, each line ending in CR LF: the first line, four orbit lines, the
// week line, two orbit lines.
std::string ephemerisRecord(const std::string& firstLine, const std::string& weekLine = kWeekLine);

// The first line of an SP3 file of 18 February 2016.
inline const std::string kSp3FirstLine =
    "#cP2016  2 18  0  0  0.00000000      96 ORBIT IGb08 FIT  AGY";

}  // namespace chronoflip::testing
