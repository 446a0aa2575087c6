#include "cli/terminal_run_observer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "temp_folder.h"

namespace chronoflip {
namespace {

// A stream into a file whose text can be read back.
class CapturedStream {
  public:
    CapturedStream() : file_(std::fopen(folder_.file("stream").c_str(), "w+b"), &std::fclose) {}
    std::FILE* get() const { return file_.get(); }
    std::string text() const {
        std::fflush(file_.get());
        std::rewind(file_.get());
        std::string text;
        for (int c; (c = std::fgetc(file_.get())) != EOF;) text += static_cast<char>(c);
        return text;
    }

  private:
    testing::TempFolder folder_;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file_;
};

constexpr std::string_view kClosingLog[] = {"", "banner"};

// The log goes to standard output; skipped files and the progress line to standard error,
// the progress line drawn only on a terminal and wiped before anything else is written.
TEST(TerminalRunObserver, LogOnOneStreamMessagesAndProgressOnTheOther) {
    CapturedStream log;
    CapturedStream messages;
    {
        TerminalRunObserver observer(log.get(), messages.get(), true);
        observer.progressed({0, 1});  // before the first file: nothing to name
        observer.fileStarted(0, "/gps/abcd0480.16o");
        observer.progressed({0, 200});
        observer.progressed({1, 200});  // still 0 %: not drawn again
        observer.progressed({100, 200});
        observer.progressed({300, 200});
        observer.fileDone("/gps/abcd0480.16o");
        observer.fileStarted(1, "/gps/abcd0480.16m");
        observer.fileSkipped("/gps/abcd0480.16m", "Invalid File Type");
        observer.fileStarted(2, "/gps/abcd0480.16n");
        observer.progressed({7, 1350});
        EXPECT_EQ(observer.currentFile(), "/gps/abcd0480.16n");
        observer.runFinished(kClosingLog);
    }
    EXPECT_EQ(log.text(), "/gps/abcd0480.16o\n\nbanner\n");
    EXPECT_EQ(messages.text(),
              "\r\033[Kabcd0480.16o   0%\r\033[Kabcd0480.16o  50%\r\033[Kabcd0480.16o 100%"
              "\r\033[K/gps/abcd0480.16m: Invalid File Type\n"
              "\r\033[Kabcd0480.16n   0%\r\033[K");
}

TEST(TerminalRunObserver, NoProgressLineWhenStandardErrorIsNoTerminal) {
    CapturedStream log;
    CapturedStream messages;
    TerminalRunObserver observer(log.get(), messages.get(), false);
    observer.fileStarted(0, "/gps/abcd0480.16o");
    observer.progressed({100, 200});
    observer.fileDone("/gps/abcd0480.16o");
    EXPECT_EQ(log.text(), "/gps/abcd0480.16o\n");
    EXPECT_EQ(messages.text(), "");
}

}  // namespace
}  // namespace chronoflip
