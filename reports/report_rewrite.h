#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/correction_pair.h"

namespace chronoflip {

// Line 5 of every report the reset has written; a report carrying it is never moved again.
inline constexpr std::string_view kReportMarker = "<Chronoflip></Chronoflip>";
inline constexpr std::size_t kMarkerLine = 5;

// Characters 2-11 of line 5 read "Chronoflip".
bool isMarkedReport(const std::vector<std::string>& lines);

// "      <p>Start time" or "      <p>Stop time " in the first 19 characters.
bool isTimeLabelLine(std::string_view line);

// The two-digit year in columns 10-11 moved forward by `years`, wrapping past 99 once,
// written with two digits at least. Throws "Range check error" when the sum passes 65535.
std::string rewriteYearLine(std::string_view line, std::uint16_t years);
// The GPS week in columns 10-13 moved forward by `weeks`. Throws "Range check error"
// when the sum passes 65535.
std::string rewriteWeekLine(std::string_view line, std::uint16_t weeks);

// Moves the time below every label line forward (its year two lines down, its week four
// lines down; lines past the end are not made up) and inserts the marker as line 5,
// padding a shorter report with empty lines so the marker is always found there.
void resetReportLines(std::vector<std::string>& lines, const CorrectionPair& pair);

}  // namespace chronoflip
