#include "cli/terminal_report_observer.h"

namespace chronoflip {

namespace {

void printLine(std::FILE* stream, std::string_view line) {
    std::fwrite(line.data(), 1, line.size(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

}  // namespace

void TerminalReportObserver::logLine(std::string_view line) {
    printLine(log_, line);
}

void TerminalReportObserver::reportShown(std::string_view name, const std::vector<std::string>&) {
    printLine(log_, name);
}

void TerminalReportObserver::reportAlreadyReset(std::string_view message) {
    printLine(messages_, message);
}

}  // namespace chronoflip
