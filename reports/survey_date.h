#pragma once

#include <array>
#include <chrono>
#include <string_view>

#include "core/correction_pair.h"

namespace chronoflip {

// One period the user may name as the date of the survey, and the pair it stands for.
struct SurveyDateItem {
    std::string_view text;
    CorrectionPair pair;
};

// The dialog's items in their order; the index is the survey-date choice.
inline constexpr std::array<SurveyDateItem, 5> kSurveyDateItems{{
    {"Before 1 march 2012", {6, 313}},
    {"Between 1 march 2012 and 29 february 2013", {5, 261}},
    {"Between 1 march 2013 and 29 february 2024", {22, 1148}},
    {"After 1 march 2014", {6, 313}},
    {"After 1 march 2016", {28, 1461}},
}};

// The choice selected when the dialog opens, from yesterday's date: only the first three
// periods are ever preset.
int presetSurveyDateChoice(std::chrono::year_month_day today);

// Throws chronoflip::Error for a choice outside the table.
CorrectionPair correctionForChoice(int choice);

// The survey-date dialog as the query sees it.
class SurveyDateDialog {
  public:
    virtual ~SurveyDateDialog() = default;
    // Shows the dialog modally with `preset` selected and returns the choice selected when
    // it was closed, however it was closed: there is no cancel.
    virtual int chooseSurveyDate(int preset) = 0;
};

// Asks the dialog, preset from `today`, and maps the answer through the table.
CorrectionPair surveyDateQuery(SurveyDateDialog& dialog, std::chrono::year_month_day today);
// The same with today's date from the local clock.
CorrectionPair surveyDateQuery(SurveyDateDialog& dialog);

}  // namespace chronoflip
