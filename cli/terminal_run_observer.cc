#include "cli/terminal_run_observer.h"

#include "core/paths.h"

namespace chronoflip {

TerminalRunObserver::TerminalRunObserver(std::FILE* log, std::FILE* messages, bool drawProgress)
    : log_(log), messages_(messages), drawProgress_(drawProgress) {}

TerminalRunObserver::~TerminalRunObserver() {
    clearProgress();
}

void TerminalRunObserver::fileStarted(std::size_t, const std::string& path) {
    current_ = path;
    currentName_ = namePart(path);
    shownPercent_ = -1;
}

void TerminalRunObserver::progressed(const Progress& progress) {
    if (!drawProgress_ || progress.maximum <= 0 || current_.empty()) return;
    const int percent = progress.position >= progress.maximum
                            ? 100
                            : static_cast<int>(progress.position * 100 / progress.maximum);
    if (percent == shownPercent_) return;
    shownPercent_ = percent;
    std::fprintf(messages_, "\r\033[K%s %3d%%", currentName_.c_str(), percent < 0 ? 0 : percent);
    std::fflush(messages_);
    progressShown_ = true;
}

void TerminalRunObserver::fileDone(std::string_view logLine) {
    appendLog(logLine);
}

void TerminalRunObserver::fileConverted(std::string_view note) {
    appendLog(note);
}

void TerminalRunObserver::fileSkipped(const std::string& path, std::string_view reason) {
    clearProgress();
    std::fprintf(messages_, "%s: %.*s\n", path.c_str(), static_cast<int>(reason.size()),
                 reason.data());
}

void TerminalRunObserver::runFinished(std::span<const std::string_view> closingLog) {
    for (std::string_view line : closingLog) appendLog(line);
}

void TerminalRunObserver::appendLog(std::string_view line) {
    clearProgress();
    std::fwrite(line.data(), 1, line.size(), log_);
    std::fputc('\n', log_);
    std::fflush(log_);
}

void TerminalRunObserver::clearProgress() {
    if (!progressShown_) return;
    std::fputs("\r\033[K", messages_);
    std::fflush(messages_);
    progressShown_ = false;
}

}  // namespace chronoflip
