#include "cli/terminal_report_host.h"

#include "cli/reset_reports_command.h"
#include "core/desktop_open.h"
#include "core/error.h"

namespace chronoflip {

TerminalReportHost::TerminalReportHost(std::optional<CorrectionPair> surveyPair, bool openSummary,
                                       std::FILE* log, std::FILE* messages)
    : workingFolder_(WorkingFolder::ofProcess()),
      list_(workingFolder_),
      surveyPair_(surveyPair),
      openSummary_(openSummary),
      log_(log),
      messages_(messages) {}

void TerminalReportHost::appendMemoLine(std::string_view line) {
    std::fwrite(line.data(), 1, line.size(), log_);
    std::fputc('\n', log_);
    std::fflush(log_);
}

void TerminalReportHost::showReport(std::string_view name, const std::vector<std::string>&) {
    appendMemoLine(name);
}

void TerminalReportHost::showMessage(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), messages_);
    std::fputc('\n', messages_);
    std::fflush(messages_);
}

CorrectionPair TerminalReportHost::surveyDateQuery() {
    if (surveyPair_) return *surveyPair_;
    throw Error(
        "No valid correction pair in the first observation file of the RINEX folder; "
        "give the survey's pair with --pair (one of " +
        surveyPairChoices() + "). No report was changed.");
}

void TerminalReportHost::shellOpen(const std::string& path) {
    if (!openSummary_) return;
    if (const std::optional<std::string> failure = openWithDesktop(path)) {
        showMessage("Cannot open \"" + path + "\": " + *failure);
    }
}

}  // namespace chronoflip
