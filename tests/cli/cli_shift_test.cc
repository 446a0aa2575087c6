#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "shell_command.h"
#include "temp_folder.h"

namespace chronoflip {
namespace {

using testing::crlf;
using testing::fileExists;
using testing::readBytes;
using testing::TempFolder;

using CliResult = testing::CommandResult;
using testing::quoted;

CliResult runCli(const TempFolder& folder, const std::string& arguments) {
    return testing::runShellCommand(quoted(CHRONOFLIP_CLI) + " " + arguments,
                                    folder.file("stderr.txt"));
}

std::string rinexRecord(std::string text, const std::string& label) {
    text.resize(60, ' ');
    return text + label;
}

const std::string kObservation =
    crlf({rinexRecord("  2016     2    17    10    15   30.0000000     GPS", "TIME OF FIRST OBS"),
          rinexRecord("", "END OF HEADER"), " 16  2 17 10 15 30.0000000  0  1G01"});
const std::string kBanner = "                       --- F I N I S H E D ---";

TEST(CliShift, LogsEachFileAndTheBannerOnStandardOutput) {
    TempFolder folder;
    const std::string obs = folder.write("abcd0480.16o", kObservation);
    const std::string met = folder.write("abcd0480.16m", "x\r\n");
    const CliResult result = runCli(folder, "shift " + quoted(met) + " " + quoted(obs));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, obs + "\n\n" + kBanner + "\n");
    EXPECT_EQ(result.err, met + ": Invalid File Type\n");
    EXPECT_TRUE(fileExists(folder.file("e_abcd0480.16o")));
    EXPECT_EQ(readBytes(folder.file("e_abcd0480.16m")), "");
    EXPECT_EQ(readBytes(obs), kObservation);
}

TEST(CliShift, ModesChooseWhereTheShiftedCopyGoes) {
    TempFolder folder;
    const std::string obs = folder.write("abcd0480.16o", kObservation);
    EXPECT_EQ(runCli(folder, "shift --mode year " + quoted(obs)).status, 0);
    EXPECT_TRUE(fileExists(folder.file("abcd0480.88o")));
    EXPECT_EQ(runCli(folder, "shift --mode overwrite " + quoted(obs)).status, 0);
    EXPECT_EQ(readBytes(obs + ".bak"), kObservation);
    EXPECT_EQ(readBytes(obs), readBytes(folder.file("abcd0480.88o")));
}

TEST(CliShift, AnErrorEndsTheRunWithStatusOne) {
    TempFolder folder;
    const std::string good = folder.write("good0480.16o", kObservation);
    const std::string bad = folder.write("bad00480.16o", "no header at all\r\n");
    const std::string later = folder.write("late0480.16o", kObservation);
    const CliResult result =
        runCli(folder, "shift " + quoted(good) + " " + quoted(bad) + " " + quoted(later));
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, good + "\n");
    EXPECT_EQ(result.err, "TIME OF FIRST OBS missing in header\n");
    EXPECT_FALSE(fileExists(folder.file("e_late0480.16o")));
    EXPECT_EQ(runCli(folder, "shift " + quoted(folder.file("missing.16o"))).err,
              "File not found\n");
}

// Survey sites are named in the surveyor's language; Windows hands a program its arguments
// in a narrower code page unless it asks for them in full.
TEST(CliShift, NamesBeyondAsciiSurviveEveryMode) {
    TempFolder folder;
    const std::string obs = folder.write("Gel\u00e4nde \u00d8st\u0103.16o", kObservation);
    const CliResult result = runCli(folder, "shift --mode year " + quoted(obs));
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, obs + "\n\n" + kBanner + "\n");
    EXPECT_TRUE(fileExists(folder.file("Gel\u00e4nde \u00d8st\u0103.88o")));
    EXPECT_EQ(runCli(folder, "shift --mode overwrite " + quoted(obs)).status, 0);
    EXPECT_EQ(readBytes(obs + ".bak"), kObservation);
}

TEST(CliShift, UsageErrorsExitWithStatusTwo) {
    TempFolder folder;
    for (const char* arguments : {"", "shift", "shift --mode sideways x.16o", "frobnicate"}) {
        const CliResult result = runCli(folder, arguments);
        EXPECT_EQ(result.status, 2) << arguments;
        EXPECT_FALSE(result.err.empty()) << arguments;
    }
    EXPECT_EQ(runCli(folder, "--help").status, 0);
    const CliResult version = runCli(folder, "--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "1.8\n");
}

}  // namespace
}  // namespace chronoflip
