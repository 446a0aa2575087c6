#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/file_system.h"
#include "core/paths.h"
#include "readers/source_name.h"
#include "recording_run_observer.h"
#include "shell_command.h"
#include "shift/processing_run.h"
#include "temp_folder.h"

namespace chronoflip {
namespace {

using testing::quoted;

constexpr int kWeekShift = 1461;

// The single-point solutions RTKLIB's rnx2rtkp computes from an observation and a
// navigation file: one line per epoch, the GPS week in columns 1-4, then the time of week,
// latitude, longitude, height and their statistics.
std::vector<std::string> solutions(const testing::TempFolder& folder, const std::string& obs,
                                   const std::string& nav) {
    const testing::CommandResult result = testing::runShellCommand(
        "rnx2rtkp -p 0 " + quoted(obs) + " " + quoted(nav), folder.file("rnx2rtkp.err"));
    EXPECT_EQ(result.status, 0) << result.err;
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < result.out.size();) {
        const std::size_t end = result.out.find('\n', start);
        const std::string line = result.out.substr(start, end - start);
        if (!line.empty() && line.front() != '%') lines.push_back(line);
        start = end == std::string::npos ? result.out.size() : end + 1;
    }
    return lines;
}

// A second program that reads RINEX 2.11 (RTKLIB) finds the same positions in the
// converted, shifted copies of a RINEX 3.02 observation and navigation pair as in the
// pair itself, at the same times of week 1461 weeks earlier.
TEST(SecondReader, FindsTheOriginalPairsPositionsInTheShiftedCopies) {
    const std::filesystem::path real = testing::realRinex3Folder();
    if (real.empty()) GTEST_SKIP() << "no real RINEX 3 data folder beside the project";
    testing::TempFolder folder;
    if (testing::runShellCommand("command -v rnx2rtkp", folder.file("which.err")).status != 0)
        GTEST_SKIP() << "rnx2rtkp (Debian's rtklib) is not installed";
    RunRequest request;
    request.outputMode = OutputMode::kKeepWorkFile;
    request.dateText = "18/02/2016";
    for (const char* name : {"test_input_rinex3_76193040.14o", "test_input_rinex3_76193040.14n"}) {
        request.files.push_back(folder.write(name, testing::readBytes((real / name).string())));
    }
    testing::RecordingRunObserver observer;
    CorrectionPair corrections;
    LocalFileSystem files;
    runProcessing(request, observer, corrections, files);

    const std::vector<std::string> original = solutions(folder, request.files[0], request.files[1]);
    const std::vector<std::string> shifted =
        solutions(folder, workFilePath(outputNamePath(request.files[0])),
                  workFilePath(outputNamePath(request.files[1])));
    ASSERT_FALSE(original.empty());
    ASSERT_EQ(shifted.size(), original.size());
    for (std::size_t i = 0; i < original.size(); ++i) {
        EXPECT_EQ(std::stoi(shifted[i].substr(0, 4)),
                  std::stoi(original[i].substr(0, 4)) - kWeekShift);
        EXPECT_EQ(shifted[i].substr(4), original[i].substr(4));
    }
}

}  // namespace
}  // namespace chronoflip
