#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "shift/run_host.h"

namespace chronoflip::testing {

// A run host that remembers everything the run told it.
class RecordingHost : public RunHost {
  public:
    std::vector<std::string> files;
    int mode = 0;
    std::vector<std::int32_t> lineCounts;
    std::string date = "18/02/2016";

    std::vector<std::string> log;
    std::vector<std::string> messages;
    std::vector<int> selected;
    std::vector<std::int32_t> maximaSet;
    std::int32_t maximum = 100;
    std::int32_t position = -1;
    std::int64_t positionUpdates = 0;
    bool processDisabled = false;

    std::string caption() override { return "Chronoflip 1.8"; }
    void disableProcessButton() override { processDisabled = true; }
    int fileCount() override { return static_cast<int>(files.size()); }
    std::string fileAt(int index) override { return files.at(static_cast<std::size_t>(index)); }
    void selectFile(int index) override { selected.push_back(index); }
    void appendLog(std::string_view line) override { log.emplace_back(line); }
    void showMessage(std::string_view text) override { messages.emplace_back(text); }
    int outputMode() override { return mode; }
    std::int32_t lineCount(int index) override {
        const auto i = static_cast<std::size_t>(index);
        return i < lineCounts.size() ? lineCounts[i] : 0;
    }
    std::string todayText() override { return date; }
    void setProgressMax(std::int32_t value) override {
        maximum = value;
        maximaSet.push_back(value);
    }
    std::int32_t progressMax() override { return maximum; }
    void setProgressPosition(std::int32_t value) override {
        position = value;
        ++positionUpdates;
    }
};

}  // namespace chronoflip::testing
