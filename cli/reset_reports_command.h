#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/correction_pair.h"

namespace chronoflip {

// "YEARS/WEEKS" when it names a pair of the survey-date table, such as "28/1461".
std::optional<CorrectionPair> parseSurveyPair(std::string_view text);

// The survey dates' pairs as the command line writes them: "6/313, 5/261, 22/1148, 28/1461".
std::string surveyPairChoices();

// Resets the reports of reportFolder; surveyPair answers where the survey date would be
// asked. Returns the exit status: 0 when the reset finished, 1 when an error stopped it
// (its message on standard error).
int runResetReportsCommand(const std::string& reportFolder,
                           std::optional<CorrectionPair> surveyPair, bool openSummary);

}  // namespace chronoflip
