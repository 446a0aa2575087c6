#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "shift/run_observer.h"

namespace chronoflip::testing {

// A run observer that remembers everything the run told it.
class RecordingRunObserver : public RunObserver {
  public:
    void fileStarted(std::size_t index, const std::string&) override {
        if (!started.empty()) progressAtFileEnds.push_back(progress.back());
        started.push_back(index);
    }
    void progressed(const Progress& value) override { progress.push_back(value); }
    void fileDone(std::string_view logLine) override { log.emplace_back(logLine); }
    void fileConverted(std::string_view note) override { log.emplace_back(note); }
    void fileSkipped(const std::string& path, std::string_view reason) override {
        skipped.push_back(path + ": " + std::string(reason));
    }
    void runFinished(std::span<const std::string_view> closingLog) override {
        if (!started.empty()) progressAtFileEnds.push_back(progress.back());
        log.insert(log.end(), closingLog.begin(), closingLog.end());
        finished = true;
    }

    std::vector<std::size_t> started;  // the index of each file taken up
    std::vector<std::string> log;
    std::vector<std::string> skipped;  // "PATH: reason"
    std::vector<Progress> progress;    // every progress heard, in order
    std::vector<Progress> progressAtFileEnds;
    bool finished = false;
};

}  // namespace chronoflip::testing
