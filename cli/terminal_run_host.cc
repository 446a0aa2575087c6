#include "terminal_run_host.h"

#include <algorithm>
#include <filesystem>
#include <limits>
#include <vector>

#include "calendar.h"
#include "paths.h"
#include "short_date.h"
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

// The window's preview counts every line of an observation file before the run; reading
// a large file twice would cost the terminal a third of the run, so the line count is
// estimated from the file's first mebibyte. The bar reaches 100 % when each file ends.
std::int32_t TerminalRunHost::lineCount(int index) {
    if (!drawProgress_) return 0;
    const std::string path = fileAt(index);
    try {
        const auto input = fileSystem_.openRead(path);
        std::vector<char> sample(1 << 20);
        const std::size_t sampled = input->read(sample.data(), sample.size());
        input->close();
        const auto lines =
            std::count(sample.begin(), sample.begin() + static_cast<long>(sampled), '\n');
        std::error_code error;
        const auto size = std::filesystem::file_size(path, error);
        if (error || sampled == 0 || lines == 0) return 1;
        return static_cast<std::int32_t>(std::min<double>(
            static_cast<double>(lines) * static_cast<double>(size) / static_cast<double>(sampled),
            std::numeric_limits<std::int32_t>::max()));
    } catch (const std::exception&) {
        // Only the bar's scale suffers; the run itself reports why the file cannot be read.
        return 1;
    }
}

std::string TerminalRunHost::todayText() {
    return shortDateText(localNow());
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
}

}  // namespace chronoflip
