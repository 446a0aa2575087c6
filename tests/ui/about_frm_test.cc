#include "AboutFrm.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "main_window_fixture.h"

namespace chronoflip {
namespace {

using testing::MainWindowFixture;

TEST(AboutFrmTest, AboutAskedTwiceShowsTheOneWindow) {
    MainWindowFixture f;
    f.start();
    auto& about = f.control<QToolButton>("BtnAbout");

    about.click();
    about.click();

    const QList<TFrm_About*> windows = f.main().findChildren<TFrm_About*>();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_EQ(windows.front(), &f.windows().Frm_About);
    EXPECT_TRUE(windows.front()->isVisible());
    EXPECT_FALSE(windows.front()->isModal());
}

TEST(AboutFrmTest, CloseHidesTheWindowAndAboutShowsItAgain) {
    MainWindowFixture f;
    f.start();
    TFrm_About& window = f.windows().Frm_About;
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

TEST(AboutFrmTest, TextStartsWithTheProgramAndListsEveryVersion) {
    MainWindowFixture f;
    f.start();
    const QString text =
        f.windows().Frm_About.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->toPlainText();

    EXPECT_TRUE(text.startsWith("Chronoflip.exe  1.8\n\n"));
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
