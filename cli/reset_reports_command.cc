#include "cli/reset_reports_command.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <exception>
#include <vector>

#include "cli/terminal_report_observer.h"
#include "core/desktop_open.h"
#include "core/error.h"
#include "core/text_fields.h"
#include "reports/report_date_reset.h"
#include "reports/report_files.h"
#include "reports/report_list.h"
#include "reports/survey_date.h"
#include "reports/working_folder.h"

namespace chronoflip {

namespace {

std::optional<std::uint16_t> wholeNumber(std::string_view text) {
    std::uint16_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

void printMessage(std::string_view text) {
    std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
}

// Where the window would ask for the survey date, the command line has only --pair.
CorrectionPair givenPair(std::optional<CorrectionPair> surveyPair) {
    if (surveyPair) return *surveyPair;
    throw Error(
        "No valid correction pair in the first observation file of the RINEX folder; "
        "give the survey's pair with --pair (one of " +
        surveyPairChoices() + "). No report was changed.");
}

}  // namespace

std::optional<CorrectionPair> parseSurveyPair(std::string_view text) {
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos) return std::nullopt;
    const auto years = wholeNumber(text.substr(0, slash));
    const auto weeks = wholeNumber(text.substr(slash + 1));
    if (!years || !weeks) return std::nullopt;
    const CorrectionPair pair{*years, *weeks};
    const bool inTable = std::any_of(kSurveyDateItems.begin(), kSurveyDateItems.end(),
                                     [&](const SurveyDateItem& item) { return item.pair == pair; });
    return inTable ? std::optional(pair) : std::nullopt;
}

std::string surveyPairChoices() {
    std::vector<CorrectionPair> pairs;
    std::string text;
    for (const SurveyDateItem& item : kSurveyDateItems) {
        if (std::find(pairs.begin(), pairs.end(), item.pair) != pairs.end()) continue;
        pairs.push_back(item.pair);
        if (!text.empty()) text += ", ";
        text += decimal(item.pair.years) + "/" + decimal(item.pair.weeks);
    }
    return text;
}

int runResetReportsCommand(const std::string& reportFolder,
                           std::optional<CorrectionPair> surveyPair, bool openSummary) {
    try {
        // A folder named relative to the working folder is taken from there.
        WorkingFolder workingFolder = WorkingFolder::ofProcess();
        ReportList reports(workingFolder);
        reports.setFolder(reportFolder);
        TerminalReportObserver observer(stdout, stderr);
        LocalReportFiles files;
        const ReportResetResult result = resetReportDates(
            {reports.folder(), reports.entries().size(), [&] { return givenPair(surveyPair); }},
            files, observer);
        if (!result.hadReports) {
            printMessage(kNoFilesToProcess);
        } else if (openSummary) {
            if (const std::optional<std::string> failure = openWithDesktop(result.summaryPage)) {
                printMessage("Cannot open \"" + result.summaryPage + "\": " + *failure);
            }
        }
    } catch (const std::exception& error) {
        printMessage(error.what());
        return 1;
    }
    return 0;
}

}  // namespace chronoflip
