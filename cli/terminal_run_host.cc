#include "terminal_run_host.h"

#include <clocale>
#include <ctime>

#include "line_reader.h"
#include "paths.h"
#include "version.h"

namespace chronoflip {

TerminalRunHost::TerminalRunHost(std::vector<std::string> files, int outputMode,
                                 FileSystem& fileSystem, std::FILE* log, std::FILE* messages,
                                 bool drawProgress)
    : files_(std::move(files)),
      outputMode_(outputMode),
      fileSystem_(fileSystem),
      log_(log),
      messages_(messages),
      drawProgress_(drawProgress) {}

TerminalRunHost::~TerminalRunHost() {
    clearProgress();
}

std::string TerminalRunHost::caption() {
    return std::string(kProgramCaption);
}

void TerminalRunHost::selectFile(int index) {
    current_ = index;
    shownPercent_ = -1;
}

void TerminalRunHost::appendLog(std::string_view line) {
    clearProgress();
    std::fwrite(line.data(), 1, line.size(), log_);
    std::fputc('\n', log_);
    std::fflush(log_);
}

void TerminalRunHost::showMessage(std::string_view text) {
    clearProgress();
    std::fprintf(messages_, "%s: %.*s\n", fileAt(current_).c_str(), static_cast<int>(text.size()),
                 text.data());
}

// The window's preview counts the lines of each observation file; the terminal does the
// same, and only when a progress line will show it.
std::int32_t TerminalRunHost::lineCount(int index) {
    if (!drawProgress_) return 0;
    try {
        const auto input = fileSystem_.openRead(fileAt(index));
        LineReader reader(*input);
        std::int32_t count = 0;
        while (!reader.atEnd()) {
            reader.next();
            ++count;
        }
        return count;
    } catch (const std::exception&) {
        // Only the progress line's scale suffers; the run itself reports any read error.
        return 0;
    }
}

std::string TerminalRunHost::todayText() {
    std::setlocale(LC_TIME, "");
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    char text[64];
    const std::size_t length = std::strftime(text, sizeof text, "%x", &local);
    return std::string(text, length);
}

void TerminalRunHost::setProgressMax(std::int32_t maximum) {
    progressMax_ = maximum;
    shownPercent_ = -1;
}

void TerminalRunHost::setProgressPosition(std::int32_t position) {
    if (!drawProgress_ || current_ < 0 || progressMax_ <= 0) return;
    const int percent = position >= progressMax_
                            ? 100
                            : static_cast<int>(std::int64_t{position} * 100 / progressMax_);
    if (percent == shownPercent_) return;
    shownPercent_ = percent;
    const std::string name(namePart(fileAt(current_)));
    std::fprintf(messages_, "\r\033[K%s %3d%%", name.c_str(), percent < 0 ? 0 : percent);
    std::fflush(messages_);
    progressShown_ = true;
}

void TerminalRunHost::clearProgress() {
    if (!progressShown_) return;
    std::fputs("\r\033[K", messages_);
    std::fflush(messages_);
    progressShown_ = false;
    shownPercent_ = -1;
}

}  // namespace chronoflip
