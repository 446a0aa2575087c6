#include "shift/processing_run.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "faulty_file_system.h"
#include "run_helpers.h"

namespace chronoflip {
namespace {

using testing::crlf;
using testing::FaultyFileSystem;
using testing::fileExists;
using testing::readBytes;
using testing::record;
using testing::RecordingHost;
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

TEST(ProcessingRun, StampTakesTheVersionFromTheCaption) {
    EXPECT_EQ(modificationStamp("Chronoflip 1.8", "18/02/2016"), "Chronoflip 1.8   18/02/2016");
    EXPECT_EQ(modificationStamp("1.8", "2/18/2016"), "Chronoflip 1.8   2/18/2016");
}

TEST(ProcessingRun, MixedKindsInOneRun) {
    TempFolder folder;
    const std::vector<std::string> files = {
        folder.write("abcd0480.16n", kNavigation), folder.write("ABCD0480.16O", kObservation),
        folder.write("abcd0480.16m", "met data\r\n"), folder.write("igs18844.sp3", kSp3),
        folder.write("data.123", kSp3)};
    DateCorrections corrections;
    auto outcome = runFiles(files, 0, corrections);
    const RecordingHost& host = outcome.host;
    EXPECT_EQ(outcome.error, "");
    EXPECT_EQ(host.log,
              (std::vector<std::string>{files[0], files[1], files[3], files[4], "", kBanner}));
    EXPECT_EQ(host.messages, std::vector<std::string>{"Invalid File Type"});
    EXPECT_EQ(host.selected, (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(host.maximaSet, (std::vector<std::int32_t>{1350, 0, 3200, 3200}));
    EXPECT_EQ(host.position, host.maximum);
    EXPECT_TRUE(host.processDisabled);
    EXPECT_EQ(corrections.YearCorr, 28);
    EXPECT_EQ(corrections.WeekCorr, 1461);
    // The observation block never shows a week, whatever came before it in the run.
    EXPECT_NE(readBytes(folder.file("e_ABCD0480.16O"))
                  .find(":                  Year 2016-28  Week     -1461           : COMMENT"),
              std::string::npos);
    EXPECT_EQ(readBytes(folder.file("e_abcd0480.16m")), "");
    EXPECT_TRUE(fileExists(folder.file("e_data.123")));
    for (const std::string& source : files) EXPECT_TRUE(fileExists(source));
}

TEST(ProcessingRun, YearModeRenamesRinexAndKeepsSp3WorkFiles) {
    TempFolder folder;
    const std::string obs = folder.write("abcd0480.16o", kObservation);
    const std::string nav = folder.write("abcd0480.16N", kNavigation);
    const std::string sp3 = folder.write("igs18844.sp3", kSp3);
    folder.write("abcd0480.88o", "an earlier output\r\n");
    DateCorrections corrections;
    EXPECT_EQ(runFiles({obs, nav, sp3}, 1, corrections).error, "");
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
    DateCorrections corrections;
    EXPECT_PRED2(saysWhy, runFiles({source}, 1, corrections).error,
                 "Unable to rename " + folder.file("e_abcd0480.88o") + " to " + source);
    EXPECT_EQ(readBytes(source), kObservation);
    EXPECT_NE(readBytes(folder.file("e_abcd0480.88o")).find(" 88  2 17"), std::string::npos);
}

TEST(ProcessingRun, OverwriteModeKeepsTheSourceAsBackup) {
    TempFolder folder;
    const std::string source = folder.write("abcd0480.16o", kObservation);
    DateCorrections corrections;
    EXPECT_EQ(runFiles({source}, 2, corrections).error, "");
    const std::string once = readBytes(source);
    EXPECT_EQ(readBytes(source + ".bak"), kObservation);
    EXPECT_NE(once.find(" 88  2 17"), std::string::npos);
    EXPECT_FALSE(fileExists(folder.file("e_abcd0480.16o")));
    // A second run must not replace the backup, the only copy of the original: it stops
    // with the source, the backup and the complete twice-shifted e_ copy all kept.
    EXPECT_EQ(runFiles({source}, 2, corrections).error, "ErrorNr. 0Unable to rename " + source +
                                                            " to " + source +
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
    for (int mode : {0, 1, 2}) {
        DateCorrections corrections;
        folder.write("good0480.16o", kObservation);
        std::filesystem::remove(good + ".bak");
        const auto outcome = runFiles({good, bad, later}, mode, corrections);
        EXPECT_EQ(outcome.error, "Invalid argument to date encode");
        EXPECT_EQ(outcome.host.log, std::vector<std::string>{good}) << "mode " << mode;
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
    DateCorrections corrections;
    EXPECT_EQ(runFiles({folder.file("missing.16o")}, 0, corrections).error, "File not found");
    EXPECT_FALSE(fileExists(folder.file("e_missing.16o")));

    const std::string source = folder.write("abcd0480.16o", kObservation);
    std::filesystem::create_directory(folder.file("e_abcd0480.16o"));
    EXPECT_EQ(runFiles({source}, 2, corrections).error, "File access denied");
    EXPECT_EQ(readBytes(source), kObservation);
    EXPECT_FALSE(fileExists(source + ".bak"));
}

TEST(ProcessingRun, RenameFailuresSayWhatWasNotRenamed) {
    TempFolder folder;
    const std::string source = folder.write("abcd0480.16o", kObservation);
    const std::string work = folder.file("e_abcd0480.16o");
    DateCorrections corrections;

    // A folder in the way of the output cannot be deleted, so the rename fails.
    std::filesystem::create_directory(folder.file("abcd0480.88o"));
    EXPECT_PRED2(saysWhy, runFiles({source}, 1, corrections).error,
                 "Unable to rename " + work + " to " + folder.file("abcd0480.88o"));
    EXPECT_TRUE(fileExists(work));

    std::filesystem::create_directory(source + ".bak");
    EXPECT_PRED2(saysWhy, runFiles({source}, 2, corrections).error,
                 "ErrorNr. 0Unable to rename " + source + " to " + source + ".bak");
    EXPECT_EQ(readBytes(source), kObservation);
    std::filesystem::remove(source + ".bak");

    // The second rename of the overwrite mode failing leaves source text in the backup.
    FaultyFileSystem files(FaultyFileSystem::Operation::kRename, 2);
    RecordingHost host;
    host.files = {source};
    host.mode = 2;
    try {
        runProcessing(host, corrections, files);
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
    RecordingHost host;
    host.files = {source};
    host.mode = 2;
    DateCorrections corrections;
    try {
        runProcessing(host, corrections, files);
        ADD_FAILURE() << "the run should fail";
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "Disk full");
    }
    EXPECT_EQ(readBytes(source), kObservation);
    EXPECT_FALSE(fileExists(source + ".bak"));
    EXPECT_TRUE(host.log.empty());
}

TEST(ProcessingRun, CtrlZEndsTheSource) {
    TempFolder folder;
    const std::string text = kObservation + "\x1a" + " 16  2 17 10 15 30.0000000  0  1G01\r\n";
    EXPECT_EQ(testing::shiftOne(folder, "z.16o", text),
              testing::shiftOne(folder, "plain.16o", kObservation));
}

}  // namespace
}  // namespace chronoflip
