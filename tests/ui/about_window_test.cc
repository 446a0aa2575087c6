#include "ui/about_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

#include "core/error.h"
#include "main_window_fixture.h"
#include "recording_dialogs.h"
#include "recording_shell.h"
#include "temp_folder.h"
#include "ui/help_page.h"

namespace chronoflip {
namespace {

using testing::MainWindowFixture;

TEST(AboutWindowTest, AboutAskedTwiceShowsTheOneWindow) {
    MainWindowFixture f;
    f.start();
    auto& about = f.control<QToolButton>("BtnAbout");

    about.click();
    about.click();

    const QList<AboutWindow*> windows = f.main().findChildren<AboutWindow*>();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_EQ(windows.front(), &f.windows().aboutWindow);
    EXPECT_TRUE(windows.front()->isVisible());
    EXPECT_FALSE(windows.front()->isModal());
}

TEST(AboutWindowTest, CloseHidesTheWindowAndAboutShowsItAgain) {
    MainWindowFixture f;
    f.start();
    AboutWindow& window = f.windows().aboutWindow;
    f.control<QToolButton>("BtnAbout").click();
    const QPoint place = window.pos();

    window.findChild<QPushButton*>(QStringLiteral("BtnClose"))->click();
    EXPECT_FALSE(window.isVisible());
    f.control<QToolButton>("BtnAbout").click();

    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.pos(), place);
    EXPECT_EQ(window.size(), QSize(484, 512));
    EXPECT_TRUE(f.main().isVisible());
}

// No dead links: the page that comes with the program.
TEST(AboutWindowTest, BannerAndMainStatusBarOpenTheUserGuide) {
    MainWindowFixture f;
    const QString guide = f.writeFile("program/guide.html", "<html></html>");
    f.start();
    f.control<QToolButton>("BtnAbout").click();

    QTest::mouseClick(f.windows().aboutWindow.findChild<QLabel*>(QStringLiteral("ImageCairnlink")),
                      Qt::LeftButton);
    QTest::mouseClick(&f.control<QStatusBar>("StatusBar1"), Qt::LeftButton);

    EXPECT_EQ(f.shell.opened, (QStringList{guide, guide}));
    EXPECT_TRUE(f.dialogs.errors.isEmpty());
}

struct GuidePlace {
    const char* name;
    std::vector<std::string> guides;  // inside a folder whose bin/ holds the program
    const char* expected;
};

class HelpPageTest : public ::testing::TestWithParam<GuidePlace> {};

TEST_P(HelpPageTest, OpensTheGuideBesideTheProgramOrWhereItIsInstalled) {
    const GuidePlace& c = GetParam();
    testing::TempFolder prefix;
    for (const std::string& guide : c.guides) prefix.write(guide, "<html></html>");
    testing::RecordingShell shell;
    testing::RecordingDialogs dialogs;

    HelpPage(shell, "", QString::fromStdString(prefix.file("bin"))).open(dialogs, nullptr);

    EXPECT_EQ(shell.opened, QStringList{QString::fromStdString(prefix.file(c.expected))});
}

INSTANTIATE_TEST_SUITE_P(
    Places, HelpPageTest,
    ::testing::Values(
        GuidePlace{"Beside", {"bin/guide.html"}, "bin/guide.html"},
        GuidePlace{"Installed", {"share/chronoflip/guide.html"}, "share/chronoflip/guide.html"},
        GuidePlace{
            "BesideFirst", {"share/chronoflip/guide.html", "bin/guide.html"}, "bin/guide.html"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HelpPageTest, AMissingGuideIsAnErrorAndAWebAddressGoesBeforeIt) {
    testing::TempFolder prefix;
    testing::RecordingShell shell;
    testing::RecordingDialogs dialogs;
    const QString program = QString::fromStdString(prefix.file("bin"));

    EXPECT_THROW(HelpPage(shell, "", program).open(dialogs, nullptr), Error);
    const HelpPage web(shell, "https://survey.example/chronoflip/", program);
    web.open(dialogs, nullptr);

    EXPECT_EQ(shell.opened, QStringList{"https://survey.example/chronoflip/"});
    EXPECT_EQ(web.title(), "survey.example");
}

TEST(AboutWindowTest, TextStartsWithTheProgramAndListsEveryVersion) {
    MainWindowFixture f;
    f.start();
    const QString text =
        f.windows().aboutWindow.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->toPlainText();

    EXPECT_TRUE(text.startsWith("Chronoflip.exe  1.8\n\n"));
    // Only those who exist are named, and no made-up address.
    EXPECT_TRUE(text.contains("the Chronoflip contributors"));
    EXPECT_FALSE(text.contains('@'));
    EXPECT_TRUE(
        text.contains("- new year offset 28 years & week offset 1461 for leap year 2016. \n"));
    qsizetype previous = 0;
    for (const char* version :
         {"1.8 date 2016.02.18", "1.7 date 2014.03.09", "1.6 date 2013.04.13",
          "1.5 date 2013.03.04", "1.4 date 2012.06.11", "1.3 date 2011.11.24",
          "1.2 date 2011.11.13", "1.1 date 2011.10.24", "1.0 date 2011.10.18"}) {
        const qsizetype at = text.indexOf(QLatin1String(version));
        EXPECT_GT(at, previous) << version;
        previous = at;
    }
}

}  // namespace
}  // namespace chronoflip
