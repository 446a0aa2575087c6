#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/paths.h"
#include "readers/source_name.h"
#include "run_helpers.h"
#include "shift_checks.h"

namespace chronoflip {
namespace {

using testing::expectShiftedNavigation;
using testing::linesOf;
using testing::readBytes;

// Files from real receivers and analysis centres: every one shifts without error, and the
// work file differs from its source's text only where a date lives. Compact RINEX files
// are compared as the text they decode to.
TEST(RealFiles, ShiftCleanlyAndChangeOnlyDates) {
    const std::filesystem::path real = testing::realDataFolder();
    if (real.empty()) GTEST_SKIP() << "no real data folder beside the project";
    testing::TempFolder folder;
    std::vector<std::string> sources;
    for (const auto& entry : std::filesystem::directory_iterator(real)) {
        const std::string name = entry.path().filename().string();
        // The folder's notes (SOURCES.md) would be taken for Compact RINEX by their d.
        if (name.ends_with(".md") || !fileKind(name)) continue;
        sources.push_back(folder.write(name, readBytes(entry.path().string())));
    }
    ASSERT_FALSE(sources.empty());
    CorrectionPair corrections;
    const auto outcome = testing::runFiles(sources, OutputMode::kKeepWorkFile, corrections);
    ASSERT_EQ(outcome.error, "");
    for (const std::string& source : sources) {
        SCOPED_TRACE(source);
        const auto in = linesOf(source);
        auto out = linesOf(workFilePath(outputNamePath(source)));
        const FileKind kind = *fileKind(source);
        if (kind == FileKind::kNavigation) {
            expectShiftedNavigation(in, out);
            continue;
        }
        // Take the inserted block out, then compare line by line.
        const auto blockStart = std::find_if(out.begin(), out.end(), [](const std::string& l) {
            return l.rfind("-----------------------------------------------------------", 0) == 0 ||
                   l.rfind("/*----------------------------------------------------------", 0) == 0;
        });
        ASSERT_NE(blockStart, out.end());
        const auto blockEnd = std::find(blockStart + 1, out.end(), *blockStart);
        ASSERT_NE(blockEnd, out.end());
        out.erase(blockStart, blockEnd + 1);
        ASSERT_EQ(out.size(), in.size());
        for (std::size_t i = 0; i < in.size(); ++i) {
            if (in[i] == out[i]) continue;
            const bool dateLine = kind == FileKind::kObservation
                                      ? in[i].size() > 18 && in[i][18] == '.'
                                      : in[i][0] == '*' || i < 2;
            const bool headerRecord = kind == FileKind::kObservation && i < 200 &&
                                      (in[i].find("OBS") != std::string::npos ||
                                       in[i].find("LEAP SECONDS") != std::string::npos);
            EXPECT_TRUE(dateLine || headerRecord) << in[i] << " became " << out[i];
            if (dateLine && !headerRecord) {
                EXPECT_EQ(in[i].substr(7), out[i].substr(7));
            }
        }
    }
}

}  // namespace
}  // namespace chronoflip
