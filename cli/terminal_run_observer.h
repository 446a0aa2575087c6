#pragma once

#include <cstdio>
#include <string>

#include "shift/run_observer.h"

namespace chronoflip {

// A processing run shown on a terminal: the log goes to standard output, messages to
// standard error, and a progress line is drawn on standard error when it is a terminal.
class TerminalRunObserver final : public RunObserver {
  public:
    TerminalRunObserver(std::FILE* log, std::FILE* messages, bool drawProgress);
    ~TerminalRunObserver() override;

    void fileStarted(std::size_t index, const std::string& path) override;
    void progressed(const Progress& progress) override;
    void fileDone(std::string_view logLine) override;
    void fileConverted(std::string_view note) override;
    void fileSkipped(const std::string& path, std::string_view reason) override;
    void runFinished(std::span<const std::string_view> closingLog) override;

    // The file the run is at, or an empty text before the first.
    const std::string& currentFile() const { return current_; }
    // Removes the progress line, so what follows starts on a clean line.
    void clearProgress();

  private:
    void appendLog(std::string_view line);

    std::FILE* log_;
    std::FILE* messages_;
    bool drawProgress_;
    std::string current_;
    std::string currentName_;
    int shownPercent_ = -1;
    bool progressShown_ = false;
};

}  // namespace chronoflip
