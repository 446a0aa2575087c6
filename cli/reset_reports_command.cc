#include "cli/reset_reports_command.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <exception>
#include <vector>

#include "cli/terminal_report_host.h"
#include "core/text_fields.h"
#include "reports/report_date_reset.h"
#include "reports/report_files.h"
#include "reports/survey_date.h"

namespace chronoflip {

namespace {

std::optional<std::uint16_t> wholeNumber(std::string_view text) {
    std::uint16_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
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
        text += decimal(item.pair.YearCorr) + "/" + decimal(item.pair.WeekCorr);
    }
    return text;
}

int runResetReportsCommand(const std::string& reportFolder,
                           std::optional<CorrectionPair> surveyPair, bool openSummary) {
    try {
        TerminalReportHost host(surveyPair, openSummary, stdout, stderr);
        host.reportList().setFolder(reportFolder);
        LocalReportFiles files;
        resetReportDates(host, files);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}

}  // namespace chronoflip
