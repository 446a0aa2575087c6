#include <gtest/gtest.h>

#include <optional>

#include "core/error.h"
#include "reports/survey_date.h"

namespace chronoflip {
namespace {

using namespace std::chrono;

struct PresetCase {
    year_month_day today;
    int preset;
};

class SurveyDatePresetTest : public ::testing::TestWithParam<PresetCase> {};

// The preset follows yesterday's date, so each boundary moves by one day.
TEST_P(SurveyDatePresetTest, FollowsYesterdaysDate) {
    EXPECT_EQ(presetSurveyDateChoice(GetParam().today), GetParam().preset);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, SurveyDatePresetTest,
                         ::testing::Values(PresetCase{year{2000} / January / 1, 0},
                                           PresetCase{year{2012} / February / 29, 0},
                                           PresetCase{year{2012} / March / 1, 0},
                                           PresetCase{year{2012} / March / 2, 1},
                                           PresetCase{year{2013} / January / 1, 1},
                                           PresetCase{year{2013} / March / 1, 1},
                                           PresetCase{year{2013} / March / 2, 2},
                                           PresetCase{year{2016} / March / 2, 2},
                                           PresetCase{year{2030} / December / 31, 2}));

// A dialog whose user leaves `answer` selected, or the preset when there is none.
class AnsweringDialog final : public SurveyDateDialog {
  public:
    explicit AnsweringDialog(std::optional<int> answer = std::nullopt) : answer_(answer) {}
    int chooseSurveyDate(int preset) override {
        shownPreset = preset;
        return answer_.value_or(preset);
    }
    int shownPreset = -1;

  private:
    std::optional<int> answer_;
};

TEST(SurveyDateQuery, MapsTheChoiceLeftSelectedThroughTheTable) {
    const CorrectionPair expected[] = {{6, 313}, {5, 261}, {22, 1148}, {6, 313}, {28, 1461}};
    for (int choice = 0; choice < 5; ++choice) {
        AnsweringDialog dialog(choice);
        EXPECT_EQ(surveyDateQuery(dialog, year{2012} / March / 2), expected[choice]) << choice;
        EXPECT_EQ(dialog.shownPreset, 1);
    }
}

TEST(SurveyDateQuery, UntouchedItAnswersWithThePresetsPair) {
    AnsweringDialog early;
    EXPECT_EQ(surveyDateQuery(early, year{2012} / March / 1), (CorrectionPair{6, 313}));
    AnsweringDialog today;
    EXPECT_EQ(surveyDateQuery(today), (CorrectionPair{22, 1148}));
    EXPECT_EQ(today.shownPreset, 2);
}

TEST(SurveyDateQuery, AChoiceOutsideTheTableIsAnError) {
    for (int choice : {-1, 5}) {
        AnsweringDialog dialog(choice);
        EXPECT_THROW(surveyDateQuery(dialog, year{2016} / March / 2), Error);
    }
}

}  // namespace
}  // namespace chronoflip
