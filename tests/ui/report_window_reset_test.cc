#include <gtest/gtest.h>

#include <QListWidget>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "main_window_fixture.h"
#include "project_folder.h"
#include "shift/comment_block.h"
#include "survey_date_answerer.h"

namespace chronoflip {
namespace {

using testing::joined;
using testing::markedLines;
using testing::observationWithComments;
using testing::ProjectFolder;
using testing::reportLines;
using testing::startTime;
using testing::stopTime;
using testing::SurveyDateAnswerer;

const QString kBanner = QStringLiteral("                ---RESETTING--DATES--FINISHED-----");

std::string crlfText(const std::vector<std::string>& lines) {
    return joined(lines, "\r\n");
}

std::string yearWeekLine(std::uint16_t years, std::uint16_t weeks) {
    return rinexYearWeekLine(2016, 0, {years, weeks});
}

QStringList qtLines(const std::vector<std::string>& lines) {
    QStringList converted;
    for (const std::string& line : lines) converted << QString::fromStdString(line);
    return converted;
}

// The program with its report window on a project's report folder.
class ReportResetTest : public ::testing::Test {
  protected:
    void SetUp() override {
        project.writeReport("B0001.html", crlfText(reportLines({startTime("88", "0423")})));
        project.writeReport(
            "b0002.HTML", crlfText(reportLines({startTime("91", "0736"), stopTime("91", "0737")})));
        f.start();
        user = std::make_unique<SurveyDateAnswerer>(f.windows().surveyDateWindow);
        f.reports(project.reportFolder());
    }

    QString summaryPage() const {
        return QString::fromStdString(testing::inside(project.reportFolder(), "Summary.html"));
    }
    QStringList startLines() const {
        return {"2 reports found.", QString::fromStdString(project.project()),
                QString::fromStdString(project.rinexFolder() + testing::kSeparator)};
    }

    testing::MainWindowFixture f;
    ProjectFolder project;
    std::unique_ptr<SurveyDateAnswerer> user;
};

TEST_F(ReportResetTest, PairOfTheShiftedFileResetsEveryListedReportAndClosesTheWindow) {
    project.writeObservation("abcd0480.16o", observationWithComments({yearWeekLine(28, 1461)}));
    // Listed afresh by the reset, so a report added meanwhile counts; this one is done.
    const std::vector<std::string> marked = markedLines(reportLines({startTime("16", "1884")}));
    project.writeReport("B0003.html", crlfText(marked));
    // The selection has no say: every listed report is reset.
    f.reportControl<QListWidget>("FileLBx").item(1)->setSelected(true);

    f.clickResetDates();

    EXPECT_TRUE(f.dialogs.errors.isEmpty());
    EXPECT_EQ(f.dialogs.information,
              QStringList{"B0003.html: The date in this report is allready reset by Chronoflip"});
    EXPECT_TRUE(user->openings.empty());
    EXPECT_EQ(project.report("B0001.html"),
              crlfText(markedLines(reportLines({startTime("16", "1884")}))));
    EXPECT_EQ(
        project.report("b0002.HTML"),
        crlfText(markedLines(reportLines({startTime("19", "2197"), stopTime("19", "2198")}))));
    EXPECT_EQ(project.report("B0003.html"), crlfText(marked));
    EXPECT_EQ(f.reportMemo(), qtLines(marked) + (QStringList{" ", " ", " ", kBanner}));
    EXPECT_EQ(f.shell.opened, QStringList{summaryPage()});
    EXPECT_FALSE(f.report().isVisible());
    EXPECT_EQ(f.reportEntries(), (QStringList{"B0001.html", "b0002.HTML", "B0003.html"}));
}

// What the user does while a reset runs is dropped, as during a run.
TEST_F(ReportResetTest, InputGivenDuringTheResetIsDropped) {
    project.writeObservation("abcd0480.16o", observationWithComments({yearWeekLine(28, 1461)}));
    testing::queueClick(f.control<QToolButton>("BtnReports"));
    testing::queueCloseRequest(f.main());

    f.clickResetDates();
    QTest::qWait(20);

    EXPECT_EQ(f.reportMemo().back(), kBanner);
    EXPECT_EQ(f.dialogs.folderBrowsers.size(), 1u);
    EXPECT_TRUE(f.main().isVisible());
}
TEST_F(ReportResetTest, WithoutAPairTheSurveyDateDialogIsAskedAndItsAnswerUsed) {
    project.writeObservation("abcd0480.16o", observationWithComments({yearWeekLine(28, 1460)}));
    user->answer = 3;

    f.clickResetDates();

    ASSERT_EQ(user->openings.size(), 1U);
    EXPECT_EQ(user->openings[0].selected, 2);  // any day since March 2013
    EXPECT_TRUE(user->openings[0].modal);
    EXPECT_EQ(project.report("B0001.html"),
              crlfText(markedLines(reportLines({startTime("94", "736")}))));
    EXPECT_EQ(f.shell.opened, QStringList{summaryPage()});
    EXPECT_FALSE(f.report().isVisible());
}

TEST_F(ReportResetTest, AnEmptyListIsAnsweredAndTheMemoKept) {
    ProjectFolder empty;
    f.reports(empty.reportFolder());
    f.report().logLine("earlier");

    f.clickResetDates();

    EXPECT_EQ(f.dialogs.information, QStringList{"No files to process!"});
    EXPECT_EQ(f.reportMemo(), QStringList{"earlier"});
    EXPECT_TRUE(f.shell.opened.isEmpty());
    EXPECT_TRUE(f.report().isVisible());
}

TEST_F(ReportResetTest, AFailedObservationFileIsShownAndTheListShowsTheRinexFolder) {
    project.writeObservation("abcd0480.16o", observationWithComments({yearWeekLine(28, 1461)}));
    project.writeObservation("abcd0490.16o", observationWithComments({yearWeekLine(28, 1461)}));
    const std::string report = project.report("B0001.html");
    f.reportFiles.failOpenRead = "abcd0480.16o";
    f.reportFiles.error = std::errc::permission_denied;

    f.clickResetDates();

    ASSERT_EQ(f.dialogs.errors.size(), 1);
    EXPECT_EQ(f.dialogs.errors[0].section('\n', 0, 0), "File access denied");
    EXPECT_TRUE(f.dialogs.errors[0].section('\n', 1).endsWith("abcd0480.16o"));
    EXPECT_EQ(f.reportEntries(), (QStringList{"abcd0480.16o", "abcd0490.16o"}));
    EXPECT_EQ(f.reportMemo(), startLines() + QStringList{"abcd0480.16o"});
    EXPECT_EQ(project.report("B0001.html"), report);
    EXPECT_TRUE(f.shell.opened.isEmpty());
    EXPECT_TRUE(f.report().isVisible());

    // The Reports command leads back to the reports, and the reset then goes through.
    f.reportFiles.failOpenRead.clear();
    f.reports(project.reportFolder());
    f.clickResetDates();
    EXPECT_EQ(project.report("B0001.html"),
              crlfText(markedLines(reportLines({startTime("16", "1884")}))));
}

TEST_F(ReportResetTest, ASummaryPageNoProgramOpensIsSaidAndTheResetStillEnds) {
    project.writeObservation("abcd0480.16o", observationWithComments({yearWeekLine(28, 1461)}));
    f.shell.opens = false;

    f.clickResetDates();

    EXPECT_EQ(f.dialogs.information,
              QStringList{"Cannot open \"" + summaryPage() + "\": no program opened it."});
    EXPECT_TRUE(f.dialogs.errors.isEmpty());
    EXPECT_FALSE(f.report().isVisible());
}

}  // namespace
}  // namespace chronoflip
