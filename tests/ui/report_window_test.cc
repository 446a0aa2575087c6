#include "ui/report_window.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "main_window_fixture.h"
#include "project_folder.h"

namespace chronoflip {
namespace {

using testing::MainWindowFixture;
using testing::ProjectFolder;
namespace fs = std::filesystem;

const QString kAborted = QStringLiteral("Directory selection aborted");
#ifdef _WIN32
const QString kBrowserRoot = QStringLiteral("C:\\");
#else
const QString kBrowserRoot = QDir::homePath();
#endif

// A report folder holding two reports among files and a folder that are not reports.
void writeReportFolder(const ProjectFolder& project) {
    project.writeReport("b0002.HTML", "<html></html>");
    project.writeReport("B0001.html", "<html></html>");
    project.writeReport("B0003.htm", "<html></html>");
    project.writeReport("Index.html", "<html></html>");
    fs::create_directories(project.reportFolder() + "/B0004.html");
}

TEST(ReportWindowTest, ReportsListsTheChosenFolderAndShowsTheWindowBesideTheMain) {
    MainWindowFixture f;
    ProjectFolder project;
    writeReportFolder(project);
    f.start();

    f.reports(project.reportFolder());

    ASSERT_EQ(f.dialogs.folderBrowsers.size(), 1U);
    EXPECT_EQ(f.dialogs.folderBrowsers[0].title, "Browse To TGO Baseline Reports");
    EXPECT_EQ(f.dialogs.folderBrowsers[0].root, kBrowserRoot);
    EXPECT_TRUE(f.dialogs.information.isEmpty());
    EXPECT_TRUE(f.dialogs.errors.isEmpty());
    EXPECT_EQ(f.report().reportList().folder(), project.reportFolder());
    EXPECT_EQ(f.reportEntries(), (QStringList{"B0001.html", "b0002.HTML"}));

    ReportWindow& window = f.report();
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.isModal());
    EXPECT_TRUE(f.main().isEnabled());
    EXPECT_EQ(window.windowTitle(), "Reports");
    EXPECT_EQ(window.frameGeometry(), QRect(689, 328, 554, 315));
    EXPECT_FALSE(f.reportControl<QPlainTextEdit>("Mem").isEnabled());
    EXPECT_EQ(f.reportControl<QPushButton>("BtnDate").text(), "Reset Dates");
    EXPECT_TRUE(f.reportControl<QPushButton>("BtnDate").isEnabled());
    EXPECT_EQ(f.reportControl<QListWidget>("FileLBx").selectionMode(),
              QAbstractItemView::ExtendedSelection);
}

TEST(ReportWindowTest, CancelledBrowserShowsTheReportsOfTheFolderLastEntered) {
    MainWindowFixture f;
    ProjectFolder project;
    writeReportFolder(project);
    f.start();

    f.reports("");
    EXPECT_EQ(f.dialogs.information, QStringList{kAborted});
    EXPECT_TRUE(f.report().isVisible());
    EXPECT_EQ(f.report().reportList().folder(), fs::current_path().string());

    // Closing only hides the window: list and memo are there at the next showing.
    f.reports(project.reportFolder());
    f.report().logLine("kept");
    f.reportControl<QPushButton>("BtnClose").click();
    EXPECT_FALSE(f.report().isVisible());
    f.reports("");

    EXPECT_EQ(f.dialogs.information, (QStringList{kAborted, kAborted}));
    EXPECT_TRUE(f.report().isVisible());
    EXPECT_EQ(f.report().reportList().folder(), project.reportFolder());
    EXPECT_EQ(f.reportEntries(), (QStringList{"B0001.html", "b0002.HTML"}));
    EXPECT_EQ(f.reportMemo(), QStringList{"kept"});
    EXPECT_TRUE(f.dialogs.errors.isEmpty());
}

TEST(ReportWindowTest, ReportsWhileShownListsTheNewFolderAndBringsTheWindowBack) {
    MainWindowFixture f;
    ProjectFolder first;
    ProjectFolder second;
    writeReportFolder(first);
    second.writeReport("B0100.html", "<html></html>");
    f.start();
    f.reports(first.reportFolder());
    f.report().showMinimized();
    QTest::qWait(10);

    f.reports(second.reportFolder());

    EXPECT_EQ(f.reportEntries(), QStringList{"B0100.html"});
    EXPECT_TRUE(f.report().isVisible());
    EXPECT_FALSE(f.report().isMinimized());
    EXPECT_EQ(f.main().findChildren<ReportWindow*>().size(), 1);
}

TEST(ReportWindowTest, FolderThatCannotBeEnteredKeepsTheWindowHidden) {
    MainWindowFixture f;
    ProjectFolder project;
    f.start();

    f.reports(project.project() + "/Reports/Missing");
    f.reports(project.project() + "/Missing/Baseline");

    // Each box names the folder on its second line.
    ASSERT_EQ(f.dialogs.errors.size(), 2);
    EXPECT_EQ(f.dialogs.errors[0].section('\n', 0, 0), "File not found");
    EXPECT_TRUE(f.dialogs.errors[0].section('\n', 1).endsWith("Missing"));
    EXPECT_EQ(f.dialogs.errors[1].section('\n', 0, 0), "Invalid filename");
    EXPECT_TRUE(f.dialogs.errors[1].section('\n', 1).endsWith("Baseline"));
    EXPECT_TRUE(f.dialogs.information.isEmpty());
    EXPECT_FALSE(f.report().isVisible());
}

}  // namespace
}  // namespace chronoflip
