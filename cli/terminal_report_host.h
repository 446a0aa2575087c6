#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "reports/report_host.h"
#include "reports/report_list.h"
#include "reports/working_folder.h"

namespace chronoflip {

// The report date reset driven from a terminal: the memo's log goes to standard output
// (a report shown in the memo as its name), messages to standard error. The survey date
// is answered by the pair given on the command line; the summary page is opened only when
// asked for.
class TerminalReportHost final : public ReportHost {
  public:
    TerminalReportHost(std::optional<CorrectionPair> surveyPair, bool openSummary, std::FILE* log,
                       std::FILE* messages);

    ReportList& reportList() override { return list_; }
    void clearMemo() override {}
    void appendMemoLine(std::string_view line) override;
    void showReport(std::string_view name, const std::vector<std::string>& lines) override;
    void showMessage(std::string_view text) override;
    CorrectionPair surveyDateQuery() override;
    void shellOpen(const std::string& path) override;
    void closeWindow() override {}

  private:
    WorkingFolder workingFolder_;
    ReportList list_;
    std::optional<CorrectionPair> surveyPair_;
    bool openSummary_;
    std::FILE* log_;
    std::FILE* messages_;
};

}  // namespace chronoflip
