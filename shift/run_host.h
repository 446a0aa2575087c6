#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace chronoflip {

// The progress bar a rewriter advances; set per line, so hosts keep it cheap.
class ProgressSink {
  public:
    virtual ~ProgressSink() = default;
    virtual void setProgressMax(std::int32_t maximum) = 0;
    virtual std::int32_t progressMax() = 0;
    virtual void setProgressPosition(std::int32_t position) = 0;
};

// What a processing run needs from the window (or terminal, or test) that starts it.
class RunHost : public ProgressSink {
  public:
    // The window caption; its last three characters are the program version.
    virtual std::string caption() = 0;
    virtual void disableProcessButton() = 0;
    virtual int fileCount() = 0;
    virtual std::string fileAt(int index) = 0;
    virtual void selectFile(int index) = 0;
    virtual void appendLog(std::string_view line) = 0;
    // A modal information box with one OK button.
    virtual void showMessage(std::string_view text) = 0;
    // 0 keep the e_ file, 1 year in the extension, 2 overwrite with backup; other: as 0.
    virtual int outputMode() = 0;
    // Lines the preview counted in the observation file at index.
    virtual std::int32_t lineCount(int index) = 0;
    // Today for the stamp; the window and the command line give shortDateText(localNow()).
    virtual std::string todayText() = 0;
};

}  // namespace chronoflip
