#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "core/error.h"
#include "core/folder_listing.h"
#include "faulty_report_files.h"
#include "project_folder.h"
#include "recording_report_observer.h"
#include "reports/report_date_reset.h"
#include "shift/comment_block.h"

namespace chronoflip {
namespace {

using testing::FaultyReportFiles;
using testing::folderInTheWayMessage;
using testing::inside;
using testing::joined;
using testing::kSeparator;
using testing::markedLines;
using testing::observationWithComments;
using testing::ProjectFolder;
using testing::RecordingReportObserver;
using testing::reportLines;
using testing::startTime;
using testing::stopTime;
namespace fs = std::filesystem;

const std::string kBanner = "                ---RESETTING--DATES--FINISHED-----";

std::string yearWeekLine(std::uint16_t years, std::uint16_t weeks) {
    return rinexYearWeekLine(2016, 0, {years, weeks});
}

std::string crlfText(const std::vector<std::string>& lines) {
    return joined(lines, "\r\n");
}

class ReportResetTest : public ::testing::Test {
  protected:
    // Resets the reports the report folder lists, as the report window does after the
    // Reports command has listed them.
    void reset() {
        result = {};
        const std::size_t listed = listFolderFiles(project.reportFolder(), "B*.html").size();
        result = resetReportDates({project.reportFolder(), listed,
                                   [this] {
                                       ++surveyDateQueries;
                                       if (duringSurveyDateQuery) duringSurveyDateQuery();
                                       return surveyDateAnswer;
                                   }},
                                  files, observer);
    }
    std::string resetError() {
        try {
            reset();
        } catch (const Error& error) {
            return error.what();
        }
        return "(no error)";
    }
    std::vector<std::string> startLines(int reports) const {
        return {"<log starts>", std::to_string(reports) + " reports found.", project.project(),
                project.rinexFolder() + kSeparator};
    }
    // The reports listed afresh after the pair was found, for the window's list.
    void expectReportsListed(const std::vector<std::string>& names) const {
        ASSERT_FALSE(observer.listings.empty());
        EXPECT_EQ(observer.listings.back().folder, project.reportFolder());
        EXPECT_EQ(observer.listings.back().mask, "B*.html");
        EXPECT_EQ(observer.listings.back().names, names);
    }

    ProjectFolder project;
    RecordingReportObserver observer;
    FaultyReportFiles files;
    ReportResetResult result;
    CorrectionPair surveyDateAnswer{28, 1461};
    std::function<void()> duringSurveyDateQuery;
    int surveyDateQueries = 0;
};

TEST_F(ReportResetTest, WorkedExampleMovesStartAndStopTimesByThePairOfTheShiftedFile) {
    project.writeObservation("abcd0480.16o", observationWithComments({yearWeekLine(28, 1461)}));
    const std::vector<std::string> before =
        reportLines({startTime("88", "0423"), stopTime("88", "0424")});
    project.writeReport("B0001.html", crlfText(before));

    reset();

    const std::vector<std::string> after =
        markedLines(reportLines({startTime("16", "1884"), stopTime("16", "1885")}));
    EXPECT_EQ(project.report("B0001.html"), crlfText(after));
    std::vector<std::string> log = startLines(1);
    log.insert(log.end(), {"abcd0480.16o", "YearCorr = 28", "WeekCorr = 1461", "<shows B0001.html>",
                           " ", " ", " ", kBanner});
    EXPECT_EQ(observer.log, log);
    std::vector<std::string> memo = before;  // the report as loaded, then the end lines
    memo.insert(memo.end(), {" ", " ", " ", kBanner});
    EXPECT_EQ(observer.memo, memo);
    EXPECT_EQ(surveyDateQueries, 0);
    EXPECT_TRUE(result.hadReports);
    EXPECT_EQ(result.summaryPage, inside(project.reportFolder(), "Summary.html"));
    EXPECT_TRUE(observer.messages.empty());
    ASSERT_EQ(observer.listings.size(), 2u);
    EXPECT_EQ(observer.listings[0].folder, project.rinexFolder());
    EXPECT_EQ(observer.listings[0].mask, "*.*o");
    EXPECT_EQ(observer.listings[0].names, std::vector<std::string>{"abcd0480.16o"});
    expectReportsListed({"B0001.html"});
}

struct SurveyPairCase {
    CorrectionPair pair;
    std::string year, week, newYear, newWeek;
};

class SurveyPairTest : public ReportResetTest,
                       public ::testing::WithParamInterface<SurveyPairCase> {};

// Without observation files the survey date's pair moves the times.
TEST_P(SurveyPairTest, NoObservationFileLeavesThePairToTheSurveyDate) {
    const SurveyPairCase& c = GetParam();
    project.writeReport("B0001.html", crlfText(reportLines({startTime(c.year, c.week)})));
    surveyDateAnswer = c.pair;

    reset();

    EXPECT_EQ(surveyDateQueries, 1);
    EXPECT_EQ(project.report("B0001.html"),
              crlfText(markedLines(reportLines({startTime(c.newYear, c.newWeek)}))));
    std::vector<std::string> log = startLines(1);
    log.insert(log.end(), {"<shows B0001.html>", " ", " ", " ", kBanner});
    EXPECT_EQ(observer.log, log);
}

INSTANTIATE_TEST_SUITE_P(Pairs, SurveyPairTest,
                         ::testing::Values(SurveyPairCase{{6, 313}, "09", "1571", "15", "1884"},
                                           SurveyPairCase{{22, 1148}, "91", "0736", "13", "1884"},
                                           SurveyPairCase{{5, 261}, "11", "1623", "16", "1884"},
                                           SurveyPairCase{{28, 1461}, "72", "    ", "00", "1461"},
                                           SurveyPairCase{{28, 1461}, "  ", "abcd", "28", "1461"}));

struct ObservationCase {
    std::vector<std::string> comments;
    bool asksSurveyDate;
    std::vector<std::string> logged;
};

class ObservationFileTest : public ReportResetTest,
                            public ::testing::WithParamInterface<ObservationCase> {};

TEST_P(ObservationFileTest, TheLastYearWeekLineDecidesWhetherTheSurveyDateIsAsked) {
    project.writeObservation("site0480.16o", observationWithComments(GetParam().comments));
    project.writeReport("B0001.html", crlfText(reportLines({startTime("88", "0423")})));
    surveyDateAnswer = {22, 1148};

    reset();

    EXPECT_EQ(surveyDateQueries, GetParam().asksSurveyDate ? 1 : 0);
    std::vector<std::string> log = startLines(1);
    log.push_back("site0480.16o");
    log.insert(log.end(), GetParam().logged.begin(), GetParam().logged.end());
    log.insert(log.end(), {"<shows B0001.html>", " ", " ", " ", kBanner});
    EXPECT_EQ(observer.log, log);
}

INSTANTIATE_TEST_SUITE_P(
    CommentLines, ObservationFileTest,
    ::testing::Values(
        ObservationCase{{yearWeekLine(28, 1461), yearWeekLine(28, 1460)},
                        true,
                        {"YearCorr = 28", "WeekCorr = 1461", "YearCorr = 28", "WeekCorr = 1460"}},
        ObservationCase{{yearWeekLine(22, 1460), yearWeekLine(28, 1461)},
                        false,
                        {"YearCorr = 22", "WeekCorr = 1460", "YearCorr = 28", "WeekCorr = 1461"}}));

TEST_F(ReportResetTest, OnlyTheFirstObservationFileInListOrderIsRead) {
    project.writeObservation("b.16o", observationWithComments({yearWeekLine(28, 1461)}));
    project.writeObservation("A.16O", observationWithComments({yearWeekLine(5, 261)}));
    project.writeObservation("a.16n", "not an observation file");
    project.writeReport("B0001.html", crlfText(reportLines({startTime("10", "1600")})));

    reset();

    EXPECT_EQ(observer.log[4], "A.16O");
    EXPECT_EQ(observer.listings[0].names, (std::vector<std::string>{"A.16O", "b.16o"}));
    EXPECT_EQ(project.report("B0001.html"),
              crlfText(markedLines(reportLines({startTime("15", "1861")}))));
}

TEST_F(ReportResetTest, RealObservationFilesGiveNoPairSoTheSurveyDateIsAsked) {
    const fs::path real = testing::realDataFolder();
    if (real.empty()) GTEST_SKIP() << "real data folder absent";
    for (const char* name : {"KOSG0010.95O", "cags1700.16o", "rovn0010.21o"}) {
        fs::copy_file(real / name, fs::path(project.rinexFolder()) / name);
    }
    project.writeReport("B0001.html", crlfText(reportLines({startTime("88", "0423")})));

    reset();

    EXPECT_EQ(observer.log[4], "cags1700.16o");
    EXPECT_EQ(observer.log[5], "<shows B0001.html>");
    EXPECT_EQ(surveyDateQueries, 1);
}

TEST_F(ReportResetTest, ReportsAreMovedInListOrderAndOtherPagesLeftAlone) {
    const auto four = reportLines({startTime("88", "0423"), stopTime("88", "0424"),
                                   startTime("89", "0475"), stopTime("89", "0476")});
    project.writeReport("b0002.HTML", crlfText(four));
    project.writeReport("B0001.html", crlfText(reportLines({})));

    reset();

    EXPECT_EQ(
        project.report("b0002.HTML"),
        crlfText(markedLines(reportLines({startTime("16", "1884"), stopTime("16", "1885"),
                                          startTime("17", "1936"), stopTime("17", "1937")}))));
    EXPECT_EQ(project.report("B0001.html"), crlfText(markedLines(reportLines({}))));
    EXPECT_EQ(project.report("Summary.html"), "<html></html>\r\n");
    EXPECT_EQ(observer.log[4], "<shows B0001.html>");
    EXPECT_EQ(observer.log[5], "<shows b0002.HTML>");
}

TEST_F(ReportResetTest, LineBreaksBecomeCrLfAndTheFinalBreakIsKeptExactly) {
    const auto lines = reportLines({startTime("88", "0423")});
    const auto marked = markedLines(reportLines({startTime("16", "1884")}));
    project.writeReport("B1.html", joined(lines, "\n"));
    project.writeReport("B2.html", joined(lines, "\r", false));
    project.writeReport("B3.html", joined(lines, "\r\n", false));

    reset();

    EXPECT_EQ(project.report("B1.html"), joined(marked, "\r\n"));
    EXPECT_EQ(project.report("B2.html"), joined(marked, "\r\n", false));
    EXPECT_EQ(project.report("B3.html"), joined(marked, "\r\n", false));
}

TEST_F(ReportResetTest, AMarkedReportIsAnsweredAndLeftByteForByte) {
    const std::string marked =
        joined(markedLines(reportLines({startTime("16", "1884")})), "\n", false);
    project.writeReport("B1.html", marked);
    project.writeReport("B2.html", crlfText(reportLines({startTime("88", "0423")})));

    reset();
    EXPECT_EQ(project.report("B1.html"), marked);
    EXPECT_EQ(observer.messages,
              (std::vector<std::string>{
                  "B1.html: The date in this report is allready reset by Chronoflip"}));
    const std::string once = project.report("B2.html");

    observer.messages.clear();
    reset();  // a second reset moves nothing
    EXPECT_EQ(project.report("B1.html"), marked);
    EXPECT_EQ(project.report("B2.html"), once);
    EXPECT_EQ(observer.messages.size(), 2u);
    EXPECT_EQ(observer.messages[1],
              "B2.html: The date in this report is allready reset by Chronoflip");
    EXPECT_TRUE(result.hadReports);
}

TEST_F(ReportResetTest, ReportsAreListedAfreshAfterThePairIsFound) {
    project.writeReport("B1.html", crlfText(reportLines({})));
    project.writeReport("B2.html", crlfText(reportLines({})));
    duringSurveyDateQuery = [&] {
        fs::remove(inside(project.reportFolder(), "B2.html"));
        project.writeReport("B3.html", crlfText(reportLines({})));
    };

    reset();

    EXPECT_EQ(observer.log[1], "2 reports found.");
    EXPECT_EQ(observer.log[4], "<shows B1.html>");
    EXPECT_EQ(observer.log[5], "<shows B3.html>");
    expectReportsListed({"B1.html", "B3.html"});
    EXPECT_EQ(project.report("B3.html"), crlfText(markedLines(reportLines({}))));
}

TEST_F(ReportResetTest, AnEmptyListLeavesNothingToDo) {
    observer.memo = {"earlier text"};
    reset();
    EXPECT_FALSE(result.hadReports);
    EXPECT_EQ(observer.memo, (std::vector<std::string>{"earlier text"}));
    EXPECT_TRUE(observer.log.empty());
    EXPECT_TRUE(observer.listings.empty());
    EXPECT_EQ(surveyDateQueries, 0);
}

// The count is of the reports the list showed when the reset was asked for; a report
// written since is reset all the same, and an empty list is answered even so.
TEST_F(ReportResetTest, TheCountIsOfTheReportsTheListShowed) {
    project.writeReport("B1.html", crlfText(reportLines({})));
    result = resetReportDates({project.reportFolder(), 0,
                               [] {
                                   return CorrectionPair{28, 1461};
                               }},
                              files, observer);
    EXPECT_FALSE(result.hadReports);

    result = resetReportDates({project.reportFolder(), 3,
                               [] {
                                   return CorrectionPair{28, 1461};
                               }},
                              files, observer);
    EXPECT_EQ(observer.log[1], "3 reports found.");
    EXPECT_EQ(project.report("B1.html"), crlfText(markedLines(reportLines({}))));
}

// Failures: the reset stops at once; reports written before stay written, the report in
// hand and all later ones stay as they were; no banner, no summary, the window stays open.
class ResetFailureTest : public ReportResetTest {
  protected:
    void SetUp() override {
        for (const char* name : {"B1.html", "B2.html", "B3.html"}) {
            originals.push_back(
                project.writeReport(name, crlfText(reportLines({startTime("88", "0423")}))));
        }
    }
    // The first `written` reports moved and marked, the others untouched, nothing left over.
    void expectReports(int written) const {
        const std::string before = crlfText(reportLines({startTime("88", "0423")}));
        const std::string after = crlfText(markedLines(reportLines({startTime("16", "1884")})));
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(testing::readBytes(originals[i]), i < written ? after : before) << i;
        }
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(project.reportFolder())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names,
                  (std::vector<std::string>{"B1.html", "B2.html", "B3.html", "Summary.html"}));
    }
    void expectStopped() const {
        EXPECT_FALSE(result.hadReports);
        EXPECT_TRUE(std::find(observer.log.begin(), observer.log.end(), kBanner) ==
                    observer.log.end());
    }
    std::vector<std::string> originals;
};

TEST_F(ResetFailureTest, AMissingRinexFolderNamesTheMissingPart) {
    fs::remove(project.rinexFolder());
    EXPECT_EQ(resetError(), "File not found");
    EXPECT_EQ(observer.log, startLines(3));
    EXPECT_TRUE(observer.listings.empty()) << "the list stays on the reports";
    expectReports(0);
    expectStopped();

    fs::remove_all(inside(project.project(), "Data Files"));
    EXPECT_EQ(resetError(), "Invalid filename");
    expectReports(0);
}

TEST_F(ResetFailureTest, AnUnreadableObservationFileStopsTheReset) {
    project.writeObservation("site0480.16o", observationWithComments({}));
    files.failOpenRead = "site0480.16o";
    files.error = std::errc::permission_denied;
    EXPECT_EQ(resetError(), "File access denied");
    ASSERT_EQ(observer.listings.size(), 1u) << "the list shows the RINEX folder";
    EXPECT_EQ(observer.listings[0].folder, project.rinexFolder());
    EXPECT_EQ(observer.listings[0].mask, "*.*o");
    expectReports(0);
    expectStopped();
}

TEST_F(ResetFailureTest, AReportThatCannotBeOpenedStopsTheReset) {
    files.failReadWhole = "B2.html";
    files.error = std::errc::io_error;
    EXPECT_EQ(resetError(), "Cannot open file \"" + originals[1] + "\". Input/output error");
    expectReports(1);
    expectStopped();
}

TEST_F(ResetFailureTest, AReportThatCannotBeWrittenStaysAsItWas) {
    files.failReplaceWhole = "B2.html";
    EXPECT_EQ(resetError(), "Cannot create file \"" + originals[1] + "\". No space left on device");
    expectReports(1);
    expectStopped();
}

TEST_F(ResetFailureTest, AFolderWhereTheTemporaryFileGoesStopsTheReset) {
    const fs::path blocker = LocalReportFiles::temporaryPath(originals[1]);
    fs::create_directory(blocker);
    EXPECT_EQ(resetError(),
              "Cannot create file \"" + originals[1] + "\". " + folderInTheWayMessage());
    fs::remove(blocker);
    expectReports(1);
    expectStopped();

    reset();  // once the way is clear, the rest is done and B1 is skipped
    expectReports(3);
    EXPECT_EQ(observer.messages,
              (std::vector<std::string>{
                  "B1.html: The date in this report is allready reset by Chronoflip"}));
}

TEST_F(ResetFailureTest, AFailureAtAnyFileAccessLeavesEachReportOldOrNewInListOrder) {
    project.writeObservation("site0480.16o", observationWithComments({yearWeekLine(28, 1461)}));
    const std::string before = crlfText(reportLines({startTime("88", "0423")}));
    const std::string after = crlfText(markedLines(reportLines({startTime("16", "1884")})));
    reset();
    const int accesses = files.calls;
    ASSERT_GT(accesses, 3);
    for (int failAt = 1; failAt <= accesses; ++failAt) {
        SCOPED_TRACE("failing access " + std::to_string(failAt));
        for (const std::string& report : originals)
            project.writeReport(fs::path(report).filename().string(), before);
        files.calls = 0;
        files.failCall = failAt;
        EXPECT_NE(resetError(), "(no error)");
        const auto written =
            std::count_if(originals.begin(), originals.end(),
                          [&](const std::string& r) { return testing::readBytes(r) == after; });
        expectReports(static_cast<int>(written));
    }
}

TEST_F(ResetFailureTest, ANegativeYearIsARangeCheckError) {
    const std::string negative = crlfText(reportLines({startTime("-5", "0423")}));
    project.writeReport("B2.html", negative);
    EXPECT_EQ(resetError(), "Range check error");
    EXPECT_EQ(project.report("B2.html"), negative);
    EXPECT_EQ(project.report("B1.html"),
              crlfText(markedLines(reportLines({startTime("16", "1884")}))));
    EXPECT_EQ(project.report("B3.html"), crlfText(reportLines({startTime("88", "0423")})));
    expectStopped();
}

}  // namespace
}  // namespace chronoflip
