#include <gtest/gtest.h>

#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <filesystem>
#include <map>

#include "main_window_fixture.h"
#include "project_folder.h"

namespace chronoflip {
namespace {

using testing::MainWindowFixture;
using testing::ProjectFolder;
using Values = std::map<QString, QString>;

constexpr QRect kDesigned(689, 328, 554, 315);

Values placementValues(const QRect& r, int status) {
    return {{"Top", QString::number(r.top())},
            {"Left", QString::number(r.left())},
            {"Width", QString::number(r.width())},
            {"Height", QString::number(r.height())},
            {"Status", QString::number(status)}};
}

class ReportPlacementTest : public ::testing::Test {
  protected:
    void showReports() { f.reports(project.reportFolder()); }
    void activate() {
        QApplication::setActiveWindow(&f.report());
        ASSERT_TRUE(QTest::qWaitForWindowActive(&f.report()));
    }

    MainWindowFixture f;
    ProjectFolder project;
};

TEST_F(ReportPlacementTest, CloseKeepsThePlacementUnderItsOwnSectionForTheNextShow) {
    f.start();
    showReports();
    EXPECT_EQ(f.report().frameGeometry(), kDesigned);
    f.report().move(40, 50);
    f.report().resize(f.report().size() + QSize(100, 60));
    const QRect left = f.report().frameGeometry();
    activate();

    f.reportControl<QPushButton>("BtnClose").click();

    EXPECT_FALSE(f.report().isVisible());
    EXPECT_EQ(testing::storedSection(f.settingsPath, QStringLiteral("Frm_Report")),
              placementValues(left, 1));
    f.report().move(300, 300);
    showReports();
    EXPECT_EQ(f.report().frameGeometry(), left);

    // Asked for while shown, it is brought forward where it is, not placed again.
    f.report().move(30, 40);
    showReports();
    EXPECT_EQ(f.report().pos(), QPoint(30, 40));
    EXPECT_TRUE(f.dialogs.errors.isEmpty());
}

TEST_F(ReportPlacementTest, APlaceOffTheScreenComesBackOntoIt) {
    f.folder.write("settings/Chronoflip.ini",
                   "[Frm_Report]\nStatus=1\nTop=-400\nLeft=3000\nWidth=600\nHeight=400\n");
    f.start();
    showReports();
    EXPECT_EQ(f.report().frameGeometry(), QRect(1320, 0, 600, 400));
}

TEST_F(ReportPlacementTest, ClosedWhileMinimisedOnlyItsStateIsWritten) {
    f.start();
    showReports();
    activate();
    f.report().close();
    const Values normal = testing::storedSection(f.settingsPath, QStringLiteral("Frm_Report"));
    showReports();
    f.report().move(10, 10);
    f.report().showMinimized();
    QTest::qWait(10);

    f.report().close();

    Values expected = normal;
    expected["Status"] = "2";
    EXPECT_EQ(testing::storedSection(f.settingsPath, QStringLiteral("Frm_Report")), expected);
    EXPECT_EQ(normal, placementValues(kDesigned, 1));
}

TEST_F(ReportPlacementTest, TheProgramEndingWhileItIsShownSavesNothingOfIt) {
    f.start();
    showReports();

    ASSERT_TRUE(f.close());

    EXPECT_TRUE(testing::storedSection(f.settingsPath, QStringLiteral("Frm_Report")).empty());
    EXPECT_TRUE(f.dialogs.errors.isEmpty());
}

TEST_F(ReportPlacementTest, AStoreThatRefusesTheWriteKeepsTheWindowOpen) {
    const std::string blocker = f.folder.write("settings", "a file where the folder belongs");
    f.start();
    showReports();

    f.report().close();

    EXPECT_TRUE(f.report().isVisible());
    EXPECT_EQ(f.dialogs.errors, QStringList{"Failed to create key Frm_Report"});
    std::filesystem::remove(blocker);
    f.report().close();
    EXPECT_FALSE(f.report().isVisible());
}

}  // namespace
}  // namespace chronoflip
