#include "reports/survey_date.h"

#include <ctime>
#include <string>

#include "core/calendar.h"
#include "core/error.h"
#include "core/short_date.h"

namespace chronoflip {

namespace {

std::chrono::year_month_day localToday() {
    const std::tm local = localNow();
    return std::chrono::year{local.tm_year + 1900} /
           std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)} /
           std::chrono::day{static_cast<unsigned>(local.tm_mday)};
}

}  // namespace

int presetSurveyDateChoice(std::chrono::year_month_day today) {
    using namespace std::chrono;
    const sys_days yesterday = sys_days{today} - days{1};
    if (yesterday < sys_days{year{2012} / March / 1}) return 0;
    if (yesterday < sys_days{year{2013} / March / 1}) return 1;
    return 2;
}

CorrectionPair correctionForChoice(int choice) {
    if (choice < 0 || choice >= static_cast<int>(kSurveyDateItems.size())) {
        throw Error("No survey date chosen (choice " + std::to_string(choice) + ")");
    }
    return kSurveyDateItems[static_cast<std::size_t>(choice)].pair;
}

CorrectionPair surveyDateQuery(SurveyDateDialog& dialog, std::chrono::year_month_day today) {
    return correctionForChoice(dialog.chooseSurveyDate(presetSurveyDateChoice(today)));
}

CorrectionPair surveyDateQuery(SurveyDateDialog& dialog) {
    return surveyDateQuery(dialog, localToday());
}

}  // namespace chronoflip
