#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/correction_pair.h"
#include "reports/report_files.h"
#include "reports/report_list.h"

namespace chronoflip {

inline constexpr std::string_view kNoFilesToProcess = "No files to process!";
inline constexpr std::string_view kAlreadyReset =
    ": The date in this report is allready reset by Chronoflip";
inline constexpr std::string_view kResetBanner =
    "                ---RESETTING--DATES--FINISHED-----";
inline constexpr std::string_view kObservationMask = "*.*o";
inline constexpr std::string_view kSummaryPage = "Summary.html";

struct ReportResetRequest {
    // The report list's folder, a full path, and how many reports it showed when the reset
    // was asked for.
    std::string reportFolder;
    std::size_t listedReports = 0;
    // Gives the pair when no shifted observation file of the project does. It may throw to
    // stop the reset before any report is touched.
    std::function<CorrectionPair()> surveyDateQuery;
};

// What a report reset tells the window, terminal or test that started it.
class ReportResetObserver {
  public:
    virtual ~ReportResetObserver() = default;

    // There are reports to work on: the log starts afresh.
    virtual void logStarted() = 0;
    virtual void logLine(std::string_view line) = 0;
    // A folder the reset has listed: the RINEX folder's observation files, then the report
    // folder's reports afresh.
    virtual void folderListed(const FolderListing& listing) = 0;
    // The report the reset is at, as it was read.
    virtual void reportShown(std::string_view name, const std::vector<std::string>& lines) = 0;
    // A report an earlier reset has marked is left as it is; the message names it.
    virtual void reportAlreadyReset(std::string_view message) = 0;
};

struct ReportResetResult {
    // False when the list showed no reports: nothing was done, not even the log started.
    bool hadReports = false;
    // The report folder's summary page, to open now the reset is done.
    std::string summaryPage;
};

// Moves the start and stop times of every report in the report folder forward by the pair
// of the project's shifted observation file (or the survey date's) and marks each report.
//
// The first failure propagates at once: reports written before it stay written and
// marked, the report in hand and all later ones are left as they were.
ReportResetResult resetReportDates(const ReportResetRequest& request, ReportFiles& files,
                                   ReportResetObserver& observer);

}  // namespace chronoflip
