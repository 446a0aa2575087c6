#include "shift/processing_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "faulty_file_system.h"
#include "run_helpers.h"
#include "shift/rewriter.h"

namespace chronoflip {
namespace {

using testing::crlf;
using testing::FaultyFileSystem;
using testing::fileExists;
using testing::readBytes;
using testing::record;
using testing::RecordingRunObserver;
using testing::runFiles;
using testing::TempFolder;

// A failed rename gives the program's message and then, after ": ", the system's reason.
bool saysWhy(const std::string& error, const std::string& message) {
    return error.size() > message.size() + 2 && error.rfind(message + ": ", 0) == 0;
}

const std::string kObservation =
    crlf({record("  2016     2    17    10    15   30.0000000     GPS", "TIME OF FIRST OBS"),
          record("", "END OF HEADER"), " 16  2 17 10 15 30.0000000  0  1G01", "  22185176.129"});
const std::string kNavigation = crlf(
    {record("    0.9D-09 0.1D-13   405504     1886", "DELTA-UTC: A0,A1,T,W"),
     record("", "END OF HEADER"), " 5 16  3  1  0  0  0.0", "a", "b", "c", "d",
     "    0.123456789012D-09 0.100000000000D+01 0.188600000000D+04 0.000000000000D+00", "e", "f"});
const std::string kSp3 = crlf({"#cP2016  2 18  0  0  0.00000000      96 ORBIT IGb08 FIT  AGY",
                               "## 1884 345600.00000000", "*  2016  2 18  0  0  0.00000000"});
const std::string kBanner = "                       --- F I N I S H E D ---";

TEST(ProcessingRun, StampIsTheProgramAndItsVersionThenTheDay) {
    EXPECT_EQ(modificationStamp("18/02/2016"), "Chronoflip 1.8   18/02/2016");
    EXPECT_EQ(modificationStamp("2/18/2016"), "Chronoflip 1.8   2/18/2016");
}

TEST(ProcessingRun, MixedKindsInOneRun) {
    TempFolder folder;
    const std::vector<std::string> files = {
        folder.write("abcd0480.16n", kNavigation), folder.write("ABCD0480.16O", kObservation),
        folder.write("abcd0480.16m", "met data\r\n"), folder.write("igs18844.sp3", kSp3),
        folder.write("data.123", kSp3)};
    CorrectionPair corrections;
    auto outcome = runFiles(files, OutputMode::kKeepWorkFile, corrections);
    const RecordingRunObserver& observer = outcome.observer;
    EXPECT_EQ(outcome.error, "");
    EXPECT_EQ(observer.log,
              (std::vector<std::string>{files[0], files[1], files[3], files[4], "", kBanner}));
    EXPECT_EQ(observer.skipped, std::vector<std::string>{files[2] + ": Invalid File Type"});
    EXPECT_EQ(observer.started, (std::vector<std::size_t>{0, 1, 2, 3, 4}));
    // The bar starts empty and is full at the end of every file, one of another kind too.
    EXPECT_EQ(observer.progress.front(), (Progress{0, 1}));
    const auto observationSize = static_cast<std::int64_t>(kObservation.size());
    EXPECT_EQ(observer.progressAtFileEnds,
              (std::vector<Progress>{{1350, 1350},
                                     {observationSize, observationSize},
                                     {observationSize, observationSize},
                                     {3200, 3200},
                                     {3200, 3200}}));
    EXPECT_EQ(corrections, kShiftPair);
    // The observation block never shows a week, whatever came before it in the run.
    EXPECT_NE(readBytes(folder.file("e_ABCD0480.16O"))
                  .find(":                  Year 2016-28  Week     -1461           : COMMENT"),
              std::string::npos);
    EXPECT_EQ(readBytes(folder.file("e_abcd0480.16m")), "");
    EXPECT_TRUE(fileExists(folder.file("e_data.123")));
    for (const std::string& source : files) EXPECT_TRUE(fileExists(source));
}

std::vector<Progress> progressOutOf(const std::vector<Progress>& trace, std::int64_t maximum) {
    std::vector<Progress> kept;
    for (const Progress& p : trace) {
        if (p.maximum == maximum) kept.push_back(p);
    }
    return kept;
}

// An observation file's bar shows the share of its bytes read, from its first line to its
// last; navigation and SP3 files count their lines against 1350 and 3200, past which the
// bar stays full.
TEST(ProcessingRun, ProgressFollowsTheFileInHand) {
    TempFolder folder;
    std::string observation = kObservation;
    while (observation.size() < 1000000) {
        observation += crlf({" 16  2 17 10 15 30.0000000  0  1G01", "  22185176.129"});
    }
    std::string navigation = crlf({record("", "END OF HEADER")});
    for (int i = 0; i < 200; ++i) {
        navigation += crlf({" 5 16  3  1  0  0  0.0", "a", "b", "c", "d",
                            "    0.123456789012D-09 0.100000000000D+01 0.188600000000D+04 0.0D+00",
                            "e", "f"});
    }
    const std::vector<std::string> files = {folder.write("abcd0480.16o", observation),
                                            folder.write("abcd0480.16n", navigation),
                                            folder.write("igs18844.sp3", kSp3)};
    CorrectionPair corrections;
    const auto outcome = runFiles(files, OutputMode::kKeepWorkFile, corrections);
    ASSERT_EQ(outcome.error, "");

    const auto size = static_cast<std::int64_t>(observation.size());
    const std::vector<Progress> obs = progressOutOf(outcome.observer.progress, size);
    ASSERT_FALSE(obs.empty());
    EXPECT_TRUE(std::is_sorted(obs.begin(), obs.end(), [](const Progress& a, const Progress& b) {
        return a.position < b.position;
    }));
    EXPECT_TRUE(std::any_of(obs.begin(), obs.end(), [&](const Progress& p) {
        return p.position > 0 && p.position < size / 2;
    })) << "the bar must move through the file";
    EXPECT_EQ(obs.back().position, size);

    const std::vector<Progress> nav = progressOutOf(outcome.observer.progress, 1350);
    ASSERT_FALSE(nav.empty());
    EXPECT_EQ(nav.front().position, 1);
    EXPECT_EQ(std::max_element(
                  nav.begin(), nav.end(),
                  [](const Progress& a, const Progress& b) { return a.position < b.position; })
                  ->position,
              1601);
    EXPECT_EQ(nav.back(), (Progress{1350, 1350}));

    EXPECT_EQ(progressOutOf(outcome.observer.progress, 3200),
              (std::vector<Progress>{{1, 3200}, {2, 3200}, {3, 3200}, {3200, 3200}}));
}

TEST(ProcessingRun, YearModeRenamesRinexAndKeepsSp3WorkFiles) {
    TempFolder folder;
    const std::string obs = folder.write("abcd0480.16o", kObservation);
    const std::string nav = folder.write("abcd0480.16N", kNavigation);
    const std::string sp3 = folder.write("igs18844.sp3", kSp3);
    folder.write("abcd0480.88o", "an earlier output\r\n");
    CorrectionPair corrections;
    EXPECT_EQ(runFiles({obs, nav, sp3}, OutputMode::kYearInExtension, corrections).error, "");
    EXPECT_EQ(readBytes(obs), kObservation);
    EXPECT_NE(readBytes(folder.file("abcd0480.88o")).find(" 88  2 17"), std::string::npos);
    EXPECT_TRUE(fileExists(folder.file("abcd0480.88n")));
    EXPECT_TRUE(fileExists(folder.file("e_igs18844.sp3")));
    EXPECT_FALSE(fileExists(folder.file("e_abcd0480.16o")));
    EXPECT_FALSE(fileExists(folder.file("e_abcd0480.16N")));
}

TEST(ProcessingRun, YearModeNeverDeletesASourceNamedLikeItsOutput) {
    TempFolder folder;
    const std::string source = folder.write("abcd0480.88o", kObservation);
    CorrectionPair corrections;
    EXPECT_PRED2(saysWhy, runFiles({source}, OutputMode::kYearInExtension, corrections).error,
                 "Unable to rename " + folder.file("e_abcd0480.88o") + " to " + source);
    EXPECT_EQ(readBytes(source), kObservation);
    EXPECT_NE(readBytes(folder.file("e_abcd0480.88o")).find(" 88  2 17"), std::string::npos);
}

TEST(ProcessingRun, OverwriteModeKeepsTheSourceAsBackup) {
    TempFolder folder;
    const std::string source = folder.write("abcd0480.16o", kObservation);
    CorrectionPair corrections;
    EXPECT_EQ(runFiles({source}, OutputMode::kOverwriteWithBackup, corrections).error, "");
    const std::string once = readBytes(source);
    EXPECT_EQ(readBytes(source + ".bak"), kObservation);
    EXPECT_NE(once.find(" 88  2 17"), std::string::npos);
    EXPECT_FALSE(fileExists(folder.file("e_abcd0480.16o")));
    // A second run must not replace the backup, the only copy of the original: it stops
    // with the source, the backup and the complete twice-shifted e_ copy all kept.
    EXPECT_EQ(runFiles({source}, OutputMode::kOverwriteWithBackup, corrections).error,
              "ErrorNr. 0Unable to rename " + source + " to " + source +
                  ".bak: the backup already exists");
    EXPECT_EQ(readBytes(source + ".bak"), kObservation);
    EXPECT_EQ(readBytes(source), once);
    EXPECT_NE(readBytes(folder.file("e_abcd0480.16o")).find(" 60  2 17"), std::string::npos);
}

TEST(ProcessingRun, FirstFailureStopsTheRunAndLosesNothing) {
    TempFolder folder;
    const std::string good = folder.write("good0480.16o", kObservation);
    const std::string bad =
        folder.write("bad00480.16o", crlf({record("  2016  13  1", "TIME OF FIRST OBS")}));
    const std::string later = folder.write("late0480.16o", kObservation);
    for (const OutputMode mode : testing::kAllOutputModes) {
        CorrectionPair corrections;
        folder.write("good0480.16o", kObservation);
        std::filesystem::remove(good + ".bak");
        const auto outcome = runFiles({good, bad, later}, mode, corrections);
        EXPECT_EQ(outcome.error, "Invalid argument to date encode");
        EXPECT_EQ(outcome.observer.log, std::vector<std::string>{good}) << testing::modeName(mode);
        EXPECT_EQ(readBytes(bad), crlf({record("  2016  13  1", "TIME OF FIRST OBS")}));
        EXPECT_TRUE(fileExists(folder.file("e_bad00480.16o")));
        EXPECT_FALSE(fileExists(bad + ".bak"));
        EXPECT_FALSE(fileExists(folder.file("bad00480.88o")));
        EXPECT_FALSE(fileExists(folder.file("e_late0480.16o")));
        EXPECT_EQ(readBytes(later), kObservation);
    }
}

TEST(ProcessingRun, FilesThatCannotBeOpenedOrCreated) {
    TempFolder folder;
    CorrectionPair corrections;
    EXPECT_EQ(runFiles({folder.file("missing.16o")}, OutputMode::kKeepWorkFile, corrections).error,
              "File not found");
    EXPECT_FALSE(fileExists(folder.file("e_missing.16o")));

    const std::string source = folder.write("abcd0480.16o", kObservation);
    std::filesystem::create_directory(folder.file("e_abcd0480.16o"));
    EXPECT_EQ(runFiles({source}, OutputMode::kOverwriteWithBackup, corrections).error,
              "File access denied");
    EXPECT_EQ(readBytes(source), kObservation);
    EXPECT_FALSE(fileExists(source + ".bak"));
}

TEST(ProcessingRun, RenameFailuresSayWhatWasNotRenamed) {
    TempFolder folder;
    const std::string source = folder.write("abcd0480.16o", kObservation);
    const std::string work = folder.file("e_abcd0480.16o");
    CorrectionPair corrections;

    // A folder in the way of the output cannot be deleted, so the rename fails.
    std::filesystem::create_directory(folder.file("abcd0480.88o"));
    EXPECT_PRED2(saysWhy, runFiles({source}, OutputMode::kYearInExtension, corrections).error,
                 "Unable to rename " + work + " to " + folder.file("abcd0480.88o"));
    EXPECT_TRUE(fileExists(work));

    std::filesystem::create_directory(source + ".bak");
    EXPECT_PRED2(saysWhy, runFiles({source}, OutputMode::kOverwriteWithBackup, corrections).error,
                 "ErrorNr. 0Unable to rename " + source + " to " + source + ".bak");
    EXPECT_EQ(readBytes(source), kObservation);
    std::filesystem::remove(source + ".bak");

    // The second rename of the overwrite mode failing leaves source text in the backup.
    FaultyFileSystem files(FaultyFileSystem::Operation::kRename, 2);
    RecordingRunObserver observer;
    try {
        runProcessing({{source}, OutputMode::kOverwriteWithBackup, "18/02/2016"}, observer,
                      corrections, files);
        ADD_FAILURE() << "the run should fail";
    } catch (const std::exception& e) {
        EXPECT_EQ(std::string(e.what()),
                  "ErrorNr. 0Unable to rename " + work + " to " + source + ": Disk full");
    }
    EXPECT_EQ(readBytes(source + ".bak"), kObservation);
    EXPECT_NE(readBytes(work).find(" 88  2 17"), std::string::npos);
    EXPECT_FALSE(fileExists(source));
}

TEST(ProcessingRun, DiskFullKeepsThePartialWorkFileAndTheSource) {
    TempFolder folder;
    const std::string source = folder.write("abcd0480.16o", kObservation);
    FaultyFileSystem files(FaultyFileSystem::Operation::kWrite, 1);
    RecordingRunObserver observer;
    CorrectionPair corrections;
    try {
        runProcessing({{source}, OutputMode::kOverwriteWithBackup, "18/02/2016"}, observer,
                      corrections, files);
        ADD_FAILURE() << "the run should fail";
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "Disk full");
    }
    EXPECT_EQ(readBytes(source), kObservation);
    EXPECT_FALSE(fileExists(source + ".bak"));
    EXPECT_TRUE(observer.log.empty());
}

TEST(ProcessingRun, CtrlZEndsTheSource) {
    TempFolder folder;
    const std::string text = kObservation + "\x1a" + " 16  2 17 10 15 30.0000000  0  1G01\r\n";
    EXPECT_EQ(testing::shiftOne(folder, "z.16o", text),
              testing::shiftOne(folder, "plain.16o", kObservation));
}

}  // namespace
}  // namespace chronoflip
