#pragma once

#include <string_view>

#include "reports/report_files.h"
#include "reports/report_host.h"

namespace chronoflip {

inline constexpr std::string_view kNoFilesToProcess = "No files to process!";
inline constexpr std::string_view kAlreadyReset =
    ": The date in this report is allready reset by Chronoflip";
inline constexpr std::string_view kResetBanner =
    "                ---RESETTING--DATES--FINISHED-----";
inline constexpr std::string_view kObservationMask = "*.*o";
inline constexpr std::string_view kSummaryPage = "Summary.html";

// Moves the start and stop times of every report in the report list's folder forward by
// the pair of the project's shifted observation files (or the survey date's), marks each
// report, opens the folder's summary page and closes the window.
//
// The first failure propagates at once: reports written before it stay written and
// marked, the report in hand and all later ones are left as they were.
void resetReportDates(ReportHost& host, ReportFiles& files);

}  // namespace chronoflip
