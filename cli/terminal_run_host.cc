#include "cli/terminal_run_host.h"

#include <algorithm>
#include <filesystem>
#include <limits>
#include <memory>
#include <vector>

#include "core/calendar.h"
#include "core/paths.h"
#include "core/short_date.h"
#include "shift/decoded_input.h"
#include "core/version.h"

namespace chronoflip {

namespace {

// Counts the bytes a decoder takes from the file beneath it.
class CountingInput final : public InputFile {
  public:
    CountingInput(std::unique_ptr<InputFile> file, std::uint64_t& count)
        : file_(std::move(file)), count_(count) {}
    std::size_t read(char* buffer, std::size_t size) override {
        const std::size_t n = file_->read(buffer, size);
        count_ += n;
        return n;
    }
    void close() override { file_->close(); }

  private:
    std::unique_ptr<InputFile> file_;
    std::uint64_t& count_;
};

}  // namespace

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
// estimated from the first mebibyte of its text, scaled by how much of the file (maybe
// compressed) that text took. The bar reaches 100 % when each file ends.
std::int32_t TerminalRunHost::lineCount(int index) {
    if (!drawProgress_) return 0;
    const std::string path = fileAt(index);
    try {
        std::uint64_t taken = 0;
        const auto input =
            decodeAsNamed(std::make_unique<CountingInput>(fileSystem_.openRead(path), taken), path);
        std::vector<char> sample(1 << 20);
        std::size_t sampled = 0;
        while (const std::size_t n =
                   input->read(sample.data() + sampled, sample.size() - sampled)) {
            sampled += n;
            if (sampled == sample.size()) break;
        }
        input->close();
        const auto lines =
            std::count(sample.begin(), sample.begin() + static_cast<long>(sampled), '\n');
        std::error_code error;
        const auto size = std::filesystem::file_size(path, error);
        if (error || taken == 0 || lines == 0) return 1;
        return static_cast<std::int32_t>(std::min<double>(
            static_cast<double>(lines) * static_cast<double>(size) / static_cast<double>(taken),
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
