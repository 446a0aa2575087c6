#include "ui/survey_date_window.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include "survey_date_answerer.h"
#include "ui/screen_fit.h"

namespace chronoflip {
namespace {

using testing::SurveyDateAnswerer;
using Closing = SurveyDateAnswerer::Closing;

TEST(SurveyDateWindowTest, OffersTheFivePeriodsWithNothingSelectedAndNoCancel) {
    QWidget main;
    SurveyDateWindow dialog(main);
    SurveyDateAnswerer user(dialog);

    EXPECT_EQ(dialog.windowTitle(), "Date of survey");
    EXPECT_EQ(dialog.size(), QSize(384, 176));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.findChild<QGroupBox*>(QStringLiteral("RadGrpDate"))->title(),
              "Choose Date of Survey");
    QStringList texts;
    for (const QRadioButton* item : user.items()) texts << item->text();
    EXPECT_EQ(texts,
              (QStringList{"Before 1 march 2012", "Between 1 march 2012 and 29 february 2013",
                           "Between 1 march 2013 and 29 february 2024", "After 1 march 2014",
                           "After 1 march 2016"}));
    EXPECT_EQ(user.selected(), -1);
    const QList<QPushButton*> buttons = dialog.findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons.front()->text(), "Ok");
}

struct Answer {
    const char* name;
    int preset;
    int chosen;  // -1: the user leaves the preset
    Closing closing;
    int expected;
};

class SurveyDateAnswerTest : public ::testing::TestWithParam<Answer> {};

TEST_P(SurveyDateAnswerTest, ReturnsWhatIsSelectedWhenClosed) {
    const Answer& a = GetParam();
    QWidget main;
    SurveyDateWindow dialog(main);
    SurveyDateAnswerer user(dialog);
    user.answer = a.chosen;
    user.closing = a.closing;

    EXPECT_EQ(dialog.chooseSurveyDate(a.preset), a.expected);

    ASSERT_EQ(user.openings.size(), 1U);
    EXPECT_EQ(user.openings[0].selected, a.preset);
    EXPECT_TRUE(user.openings[0].modal);
    EXPECT_FALSE(dialog.isVisible());
}

INSTANTIATE_TEST_SUITE_P(Closings, SurveyDateAnswerTest,
                         ::testing::Values(Answer{"PresetWithOk", 2, -1, Closing::Ok, 2},
                                           Answer{"LastItemWithCloseBox", 1, 4, Closing::CloseBox,
                                                  4},
                                           Answer{"FourthItem", 2, 3, Closing::Ok, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SurveyDateWindowTest, EachQueryStartsFromItsPresetWithTheFrameAtItsDesignedPlace) {
    QWidget main;
    SurveyDateWindow dialog(main);
    SurveyDateAnswerer user(dialog);
    user.answer = 4;
    ASSERT_EQ(dialog.chooseSurveyDate(2), 4);
    dialog.move(10, 20);

    user.answer = -1;
    EXPECT_EQ(dialog.chooseSurveyDate(1), 1);

    ASSERT_EQ(user.openings.size(), 2U);
    EXPECT_EQ(user.openings[1].selected, 1);
    EXPECT_EQ(user.openings[0].place, QPoint(1238, 357));
    EXPECT_EQ(user.openings[1].place, QPoint(1238, 357));
}

struct Fit {
    const char* name;
    QRect window;
    QRect available;
    QRect expected;
};

class ScreenFitTest : public ::testing::TestWithParam<Fit> {};

// Outer places and sizes: the dialog's designed 1238, 357 with 384 x 176, the main
// window's designed 265, 276 with 794 x 622, on screens of several sizes.
TEST_P(ScreenFitTest, KeepsTheWindowOrMovesItJustOntoTheScreen) {
    const Fit& c = GetParam();
    EXPECT_EQ(fittedPlacement(c.window, c.available), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, ScreenFitTest,
    ::testing::Values(Fit{"Wide", QRect(1238, 357, 384, 176), QRect(0, 0, 1920, 1040),
                          QRect(1238, 357, 384, 176)},
                      Fit{"Narrow", QRect(1238, 357, 384, 176), QRect(0, 0, 1280, 984),
                          QRect(896, 357, 384, 176)},
                      Fit{"SecondScreenOnTheRight", QRect(1238, 357, 384, 176),
                          QRect(1920, 0, 1280, 1024), QRect(1920, 357, 384, 176)},
                      Fit{"LaptopBelowTheMainWindow", QRect(265, 276, 794, 622),
                          QRect(0, 0, 1366, 728), QRect(265, 106, 794, 622)},
                      Fit{"TitleBarAboveTheScreen", QRect(-1, -20, 794, 622),
                          QRect(0, 0, 1920, 1200), QRect(0, 0, 794, 622)},
                      Fit{"LargerThanTheScreen", QRect(-50, 40, 2500, 1400),
                          QRect(0, 0, 1920, 1200), QRect(0, 0, 1920, 1200)}),
    [](const auto& info) { return std::string(info.param.name); });

struct ScreenChoice {
    const char* name;
    QRect window;
    int expected;  // index into kScreens
};

// A screen of 1920 x 1200 with a second of 1280 x 1024 on its right.
const std::vector<QRect> kScreens{QRect(0, 0, 1920, 1200), QRect(1920, 0, 1280, 1024)};

class ScreenChoiceTest : public ::testing::TestWithParam<ScreenChoice> {};

TEST_P(ScreenChoiceTest, TheScreenTheWindowLiesMostOnOrElseTheFirst) {
    const ScreenChoice& c = GetParam();
    EXPECT_EQ(screenAreaFor(c.window, kScreens), kScreens[static_cast<std::size_t>(c.expected)]);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, ScreenChoiceTest,
    ::testing::Values(ScreenChoice{"First", QRect(265, 276, 794, 622), 0},
                      ScreenChoice{"MostlyOnTheSecond", QRect(1800, 100, 700, 500), 1},
                      ScreenChoice{"OnAScreenSinceRemoved", QRect(3400, 200, 700, 500), 0},
                      ScreenChoice{"AboveBoth", QRect(1700, -900, 700, 500), 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace chronoflip
