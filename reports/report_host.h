#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "reports/correction_pair.h"
#include "reports/report_list.h"

namespace chronoflip {

// What the report date reset needs from the report window (or terminal, or test) that
// starts it.
class ReportHost {
  public:
    virtual ~ReportHost() = default;

    // The report list (FileLBx). The reset points it at the RINEX folder for a while and
    // then back at the reports; the window shows its entries when the reset returns.
    virtual ReportList& reportList() = 0;

    // The memo (Mem), the reset's log.
    virtual void clearMemo() = 0;
    virtual void appendMemoLine(std::string_view line) = 0;
    // The memo shows the report called name, its lines in place of all it held.
    virtual void showReport(std::string_view name, const std::vector<std::string>& lines) = 0;

    // A modal information box with one OK button.
    virtual void showMessage(std::string_view text) = 0;
    // Asks for the date of the survey (the TFrm_Date dialog, see SurveyDateDialog) and
    // returns its pair. May throw to stop the reset before any report is touched.
    virtual CorrectionPair surveyDateQuery() = 0;
    // The shell's "Open" of a file. Its result is the host's to show; it does not throw.
    virtual void shellOpen(const std::string& path) = 0;
    virtual void closeWindow() = 0;
};

}  // namespace chronoflip
