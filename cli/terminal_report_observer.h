#pragma once

#include <cstdio>
#include <string_view>
#include <vector>

#include "reports/report_date_reset.h"

namespace chronoflip {

// A report date reset shown on a terminal: the log goes to standard output (a report the
// reset is at as its name), messages to standard error.
class TerminalReportObserver final : public ReportResetObserver {
  public:
    TerminalReportObserver(std::FILE* log, std::FILE* messages) : log_(log), messages_(messages) {}

    void logStarted() override {}
    void logLine(std::string_view line) override;
    void folderListed(const FolderListing&) override {}
    void reportShown(std::string_view name, const std::vector<std::string>& lines) override;
    void reportAlreadyReset(std::string_view message) override;

  private:
    std::FILE* log_;
    std::FILE* messages_;
};

}  // namespace chronoflip
