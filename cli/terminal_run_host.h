#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "core/file_system.h"
#include "shift/run_host.h"

namespace chronoflip {

// The processing run driven from a terminal: the log goes to standard output, messages
// to standard error, and a progress line is drawn on standard error when it is a terminal.
class TerminalRunHost final : public RunHost {
  public:
    TerminalRunHost(std::vector<std::string> files, int outputMode, FileSystem& fileSystem,
                    std::FILE* log, std::FILE* messages, bool drawProgress);
    ~TerminalRunHost() override;

    std::string caption() override;
    void disableProcessButton() override {}
    int fileCount() override { return static_cast<int>(files_.size()); }
    std::string fileAt(int index) override { return files_.at(static_cast<std::size_t>(index)); }
    void selectFile(int index) override;
    void appendLog(std::string_view line) override;
    void showMessage(std::string_view text) override;
    int outputMode() override { return outputMode_; }
    std::int32_t lineCount(int index) override;
    std::string todayText() override;

    void setProgressMax(std::int32_t maximum) override;
    std::int32_t progressMax() override { return progressMax_; }
    void setProgressPosition(std::int32_t position) override;

    // The file the run is at, or an empty text before the first.
    std::string currentFile() const {
        return current_ < 0 ? std::string() : files_.at(static_cast<std::size_t>(current_));
    }
    // Removes the progress line, so what follows starts on a clean line.
    void clearProgress();

  private:
    std::vector<std::string> files_;
    int outputMode_;
    FileSystem& fileSystem_;
    std::FILE* log_;
    std::FILE* messages_;
    bool drawProgress_;
    int current_ = -1;
    std::int32_t progressMax_ = 0;
    int shownPercent_ = -1;
    bool progressShown_ = false;
};

}  // namespace chronoflip
