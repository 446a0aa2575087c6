#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "project_folder.h"
#include "shell_command.h"
#include "shift/comment_block.h"

namespace chronoflip {
namespace {

using testing::folderInTheWayMessage;
using testing::inside;
using testing::joined;
using testing::kSeparator;
using testing::markedLines;
using testing::observationWithComments;
using testing::ProjectFolder;
using testing::readBytes;
using testing::reportLines;
using testing::startTime;
using testing::TempFolder;
namespace fs = std::filesystem;

const std::string kBanner = "                ---RESETTING--DATES--FINISHED-----";
const std::string kAlreadyReset = ": The date in this report is allready reset by Chronoflip";

std::string crlfText(const std::vector<std::string>& lines) {
    return joined(lines, "\r\n");
}

using CliResult = testing::CommandResult;
using testing::quoted;

// Runs chronoflip-cli in a working folder. On POSIX a stand-in xdg-open comes first on the
// PATH, recording what it is asked to open and exiting with `openStatus`.
class CliResetReportsTest : public ::testing::Test {
  protected:
    CliResult run(const std::string& arguments, int openStatus = 0,
                  std::string workingFolder = "") {
        if (workingFolder.empty()) workingFolder = tools.path().root_path().string();
#ifdef _WIN32
        static_cast<void>(openStatus);
        const std::string command = "cd /d " + testing::quoted(workingFolder) + " && " +
                                    quoted(CHRONOFLIP_CLI) + " " + arguments;
#else
        const fs::path bin = tools.path() / "bin";
        fs::create_directories(bin);
        const std::string script = tools.write(
            "bin/xdg-open", "#!/bin/sh\nprintf '%s\\n' \"$1\" >> " + quoted(openedRecord()) +
                                "\necho opening\nexit " + std::to_string(openStatus) + "\n");
        fs::permissions(script, fs::perms::owner_all);
        const std::string command = "cd " + testing::quoted(workingFolder) +
                                    " && PATH=" + quoted(bin.string()) + ":\"$PATH\" " +
                                    quoted(CHRONOFLIP_CLI) + " " + arguments;
#endif
        return testing::runShellCommand(command, tools.file("stderr.txt"));
    }
    std::string openedRecord() const {
        return tools.file("opened.txt");
    }
    std::string opened() const {
        return readBytes(openedRecord());
    }
    std::string resetReports(const std::string& options = "") const {
        return "reset-reports " + options + quoted(project.reportFolder());
    }
    std::string startLines(int reports) const {
        return std::to_string(reports) + " reports found.\n" + project.project() + "\n" +
               project.rinexFolder() + kSeparator + "\n";
    }

    TempFolder tools;
    ProjectFolder project;
    const std::string before = crlfText(reportLines({startTime("88", "0423")}));
    const std::string moved = crlfText(markedLines(reportLines({startTime("16", "1884")})));
};

TEST_F(CliResetReportsTest, LogsTheResetOnStandardOutputAndLeavesTheSummaryClosed) {
    project.writeObservation("site0480.16o",
                             observationWithComments({rinexYearWeekLine(2016, 0, {28, 1461})}));
    project.writeReport("B0001.html", before);
    project.writeReport("B0002.html", crlfText(markedLines(reportLines({}))));

    const CliResult result = run(resetReports());

    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, startLines(2) +
                              "site0480.16o\nYearCorr = 28\nWeekCorr = 1461\n"
                              "B0001.html\nB0002.html\n \n \n \n" +
                              kBanner + "\n");
    EXPECT_EQ(result.err, "B0002.html" + kAlreadyReset + "\n");
    EXPECT_EQ(project.report("B0001.html"), moved);
    EXPECT_EQ(opened(), "");
}

TEST_F(CliResetReportsTest, OpenShowsTheSummaryAndAFailureToOpenIsOnlyAWarning) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows opens the page through the shell's file association, which a "
                    "test cannot stand in for";
#endif
    project.writeReport("B0001.html", before);
    const CliResult result = run(resetReports("--pair 28/1461 --open "));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(opened(), project.reportFolder() + "/Summary.html\n");
    EXPECT_EQ(result.out.find("opening"), std::string::npos);  // xdg-open's chatter: stderr
    EXPECT_EQ(result.err, "opening\n");

    project.writeReport("B0002.html", before);
    const CliResult failed = run(resetReports("--pair 28/1461 --open "), 3);
    EXPECT_EQ(failed.status, 0);
    EXPECT_EQ(failed.err, "B0001.html" + kAlreadyReset + "\nopening\nCannot open \"" +
                              project.reportFolder() + "/Summary.html\": xdg-open failed\n");
    EXPECT_EQ(project.report("B0002.html"), moved);
}

TEST_F(CliResetReportsTest, WithoutAPairItStopsBeforeAnyReportIsTouched) {
    project.writeObservation("site0480.16o", observationWithComments({}));
    project.writeReport("B0001.html", before);

    const CliResult result = run(resetReports());

    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, startLines(1) + "site0480.16o\n");
    EXPECT_NE(result.err.find("--pair"), std::string::npos) << result.err;
    EXPECT_EQ(project.report("B0001.html"), before);
}

TEST_F(CliResetReportsTest, PairAnswersWhereTheSurveyDateWouldBeAsked) {
    project.writeReport("B0001.html", crlfText(reportLines({startTime("09", "1571")})));
    const CliResult result = run(resetReports("--pair 6/313 "));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(project.report("B0001.html"),
              crlfText(markedLines(reportLines({startTime("15", "1884")}))));
}

TEST_F(CliResetReportsTest, APairOutsideTheTableOrAMissingFolderIsAUsageError) {
    project.writeReport("B0001.html", before);
    for (const std::string& arguments :
         {resetReports("--pair 28/1460 "), resetReports("--pair 28 "), resetReports("--pair x/y "),
          std::string("reset-reports"), resetReports("--bogus ")}) {
        const CliResult result = run(arguments);
        EXPECT_EQ(result.status, 2) << arguments;
        EXPECT_EQ(result.out, "") << arguments;
        EXPECT_NE(result.err, "") << arguments;
    }
    EXPECT_EQ(project.report("B0001.html"), before);
}

TEST_F(CliResetReportsTest, FailuresExitWithStatusOneAndTheirMessage) {
    project.writeReport("B1.html", before);
    project.writeReport("B2.html", before);
    fs::create_directory(inside(project.reportFolder(), "B2.html.chronoflip-tmp"));

    const CliResult blocked = run(resetReports("--pair 28/1461 "));
    EXPECT_EQ(blocked.status, 1);
    EXPECT_EQ(blocked.err, "Cannot create file \"" + inside(project.reportFolder(), "B2.html") +
                               "\". " + folderInTheWayMessage() + "\n");
    EXPECT_EQ(project.report("B1.html"), moved);
    EXPECT_EQ(project.report("B2.html"), before);

    fs::remove(project.rinexFolder());
    const CliResult noRinex = run(resetReports("--pair 28/1461 "));
    EXPECT_EQ(noRinex.status, 1);
    EXPECT_EQ(noRinex.err, "File not found\n");

    const CliResult noFolder = run("reset-reports " + quoted(inside(project.project(), "Nowhere")));
    EXPECT_EQ(noFolder.status, 1);
    EXPECT_EQ(noFolder.err, "File not found\n");
    EXPECT_EQ(project.report("B2.html"), before);
}

TEST_F(CliResetReportsTest, AFolderWithoutReportsHasNothingToDo) {
    const CliResult result = run("reset-reports Reports/Baseline", 0, project.project());
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "No files to process!\n");
}

TEST_F(CliResetReportsTest, ARelativeFolderIsTakenFromTheWorkingFolder) {
    project.writeReport("B0001.html", before);
    const CliResult result =
        run("reset-reports --pair 28/1461 Baseline", 0, inside(project.project(), "Reports"));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out.substr(0, startLines(1).size()), startLines(1));
    EXPECT_EQ(project.report("B0001.html"), moved);
}

}  // namespace
}  // namespace chronoflip
