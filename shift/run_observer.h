#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace chronoflip {

// How far the file in hand has got: position out of maximum. A position past the maximum
// shows as a full bar.
struct Progress {
    std::int64_t position = 0;
    std::int64_t maximum = 0;

    friend bool operator==(const Progress&, const Progress&) = default;
};

// What a processing run tells the window, terminal or test that started it. It only
// hears: the run asks it nothing.
class RunObserver {
  public:
    virtual ~RunObserver() = default;

    // The run takes up the request's file at index.
    virtual void fileStarted(std::size_t index, const std::string& path) = 0;
    // Heard after every line read (in an observation file's data, after every epoch), also
    // when nothing changed: it is the run's sign of life, so observers keep it cheap.
    virtual void progressed(const Progress& progress) = 0;
    // The file is shifted; logLine is its entry in the run's log. Its output mode is applied
    // next, which may still fail.
    virtual void fileDone(std::string_view logLine) = 0;
    // Heard after fileDone() for a file converted from RINEX 3 or 4: note says how, and which
    // systems or records were left out, as the line after the file's in the log.
    virtual void fileConverted(std::string_view note) = 0;
    // The file is of no kind the run knows (reason: "Invalid File Type"): its empty work
    // file stays, nothing is logged, and the run goes on with the next file.
    virtual void fileSkipped(const std::string& path, std::string_view reason) = 0;
    // Every file is done; the log ends with these lines.
    virtual void runFinished(std::span<const std::string_view> closingLog) = 0;
};

}  // namespace chronoflip
