#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QSettings>
#include <QTest>
#include <filesystem>
#include <map>

#include "main_window_fixture.h"
#include "ui/widget_placement_target.h"

namespace chronoflip {
namespace {

using testing::MainWindowFixture;
using Values = std::map<QString, QString>;

constexpr QRect kDesigned(265, 276, 794, 622);

void storeSection(MainWindowFixture& f, const std::string& section) {
    f.folder.write("settings/Chronoflip.ini", "[Frm_Main]\n" + section);
}

// systems: the item of the systems choice, GPS and GLONASS unless chosen otherwise.
Values placementValues(const QRect& r, int output, int status, int systems = 1) {
    return {{"Top", QString::number(r.top())},     {"Left", QString::number(r.left())},
            {"Width", QString::number(r.width())}, {"Height", QString::number(r.height())},
            {"Output", QString::number(output)},   {"Status", QString::number(status)},
            {"Systems", QString::number(systems)}};
}

struct RestoreCase {
    const char* name;
    const char* section;
    QRect placement;
    int outputIndex;
    Qt::WindowState state;
};

class MainWindowRestoreTest : public ::testing::TestWithParam<RestoreCase> {};

TEST_P(MainWindowRestoreTest, ShowsTheWindowAsItWasLeft) {
    const RestoreCase& c = GetParam();
    MainWindowFixture f;
    storeSection(f, c.section);

    f.start();
    QTest::qWait(10);

    EXPECT_TRUE(f.dialogs.errors.isEmpty());
    EXPECT_EQ(f.control<QComboBox>("CbxOutputFile").currentIndex(), c.outputIndex);
    EXPECT_EQ(f.main().windowState(), c.state);
    if (c.state == Qt::WindowNoState) {
        EXPECT_EQ(f.main().frameGeometry(), c.placement);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sections, MainWindowRestoreTest,
    ::testing::Values(
        RestoreCase{"Normal", "Status=1\nTop=120\nLeft=100\nWidth=700\nHeight=500\nOutput=1\n",
                    QRect(100, 120, 700, 500), 1, Qt::WindowNoState},
        RestoreCase{"UnknownStatus", "Status=5\nTop=120\nLeft=100\nWidth=700\nHeight=500\n",
                    QRect(100, 120, 700, 500), 0, Qt::WindowNoState},
        RestoreCase{"TopNotANumber", "Status=1\nTop=abc\nLeft=100\nOutput=2\n",
                    QRect(100, 276, 794, 622), 2, Qt::WindowNoState},
        RestoreCase{"OutputOutOfRange", "Status=1\nOutput=7\n", kDesigned, -1, Qt::WindowNoState},
        RestoreCase{"Minimised", "Status=2\nTop=120\nLeft=100\nWidth=700\nHeight=500\nOutput=0\n",
                    QRect(), 0, Qt::WindowMinimized},
        RestoreCase{"Maximised", "Status=3\nOutput=0\n", QRect(), 0, Qt::WindowMaximized},
        // Kept reachable: a place on a screen since removed, a size beyond the screen.
        RestoreCase{"OffTheScreen", "Status=1\nTop=300\nLeft=2500\nWidth=700\nHeight=500\n",
                    QRect(1220, 300, 700, 500), 0, Qt::WindowNoState},
        RestoreCase{"LargerThanTheScreen", "Status=1\nTop=-20\nLeft=-1\nWidth=2500\nHeight=1400\n",
                    QRect(0, 0, 1920, 1200), 0, Qt::WindowNoState}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MainWindowPlacementTest, NextStartOpensWhereTheWindowWasLeft) {
    MainWindowFixture f;
    f.start();
    EXPECT_EQ(f.main().frameGeometry(), kDesigned);
    f.main().move(40, 50);
    f.main().resize(f.main().size() + QSize(100, 60));
    f.control<QComboBox>("CbxOutputFile").setCurrentIndex(1);
    const QRect left = f.main().frameGeometry();

    ASSERT_TRUE(f.close());
    EXPECT_EQ(testing::storedSection(f.settingsPath, QStringLiteral("Frm_Main")),
              placementValues(left, 1, 1));

    f.start();
    EXPECT_EQ(f.main().frameGeometry(), left);
    EXPECT_EQ(f.main().outputMode(), 1);
}

TEST(MainWindowPlacementTest, ClosedWhileTheProgramIsMinimisedOrInactiveKeepsItWithStatus2) {
    MainWindowFixture f;
    f.start();
    f.main().showMinimized();
    QTest::qWait(10);
    ASSERT_TRUE(f.close());
    EXPECT_EQ(testing::storedSection(f.settingsPath, QStringLiteral("Frm_Main")),
              placementValues(kDesigned, 2, 2));

    f.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.main().isMinimized(); }));
    f.main().showNormal();
    // Another program's window is the active one.
    QApplication::setActiveWindow(nullptr);
    ASSERT_TRUE(f.close());
    EXPECT_EQ(testing::storedSection(f.settingsPath, QStringLiteral("Frm_Main")),
              placementValues(kDesigned, 2, 2));
}

// The program is the active one while any of its windows is; the platform need not count
// the window being closed as active then (a task bar's close leaves the About window active).
TEST(MainWindowPlacementTest, AnotherWindowOfTheProgramBeingActiveIsTheProgramActive) {
    QWidget closing;
    QWidget other;
    closing.show();
    other.show();
    QApplication::setActiveWindow(&other);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    ASSERT_FALSE(closing.isActiveWindow());

    EXPECT_TRUE(WidgetPlacementTarget(closing, MinimiseScope::Program).isActive());
    QApplication::setActiveWindow(nullptr);
    EXPECT_FALSE(WidgetPlacementTarget(closing, MinimiseScope::Program).isActive());
}

TEST(MainWindowPlacementTest, OutputOutOfRangeIsSavedAsNoneChosen) {
    MainWindowFixture f;
    storeSection(f, "Status=1\nOutput=7\n");
    f.start();
    ASSERT_TRUE(f.close());
    EXPECT_EQ(testing::storedSection(f.settingsPath, QStringLiteral("Frm_Main")),
              placementValues(kDesigned, -1, 1));
}

TEST(MainWindowPlacementTest, StoreThatRefusesTheWriteKeepsTheWindowOpen) {
    MainWindowFixture f;
    const std::string blocker = f.folder.write("settings", "a file where the folder belongs");
    f.start();

    EXPECT_FALSE(f.close());
    EXPECT_TRUE(f.main().isVisible());
    EXPECT_EQ(f.dialogs.errors, QStringList{"Failed to create key Frm_Main"});

    std::filesystem::remove(blocker);
    EXPECT_TRUE(f.close());
    EXPECT_EQ(testing::storedSection(f.settingsPath, QStringLiteral("Frm_Main")),
              placementValues(kDesigned, 2, 1));
}

TEST(MainWindowPlacementTest, StoreThatCannotBeOpenedIsReportedAndTheWindowStillCloses) {
    MainWindowFixture f;
    std::filesystem::create_directories(f.settingsPath.toStdString());
    f.start();

    EXPECT_EQ(f.dialogs.errors, QStringList{"Failed to create key " + f.settingsPath});
    EXPECT_EQ(f.main().frameGeometry(), kDesigned);
    EXPECT_TRUE(f.close());
}

}  // namespace
}  // namespace chronoflip
