#include "reports/pair_search.h"

#include <algorithm>
#include <cstdint>

#include "core/text_fields.h"
#include "reports/survey_date.h"

namespace chronoflip {

namespace {

constexpr std::string_view kYearWeekLineStart = ":                  Year";
constexpr Columns kYearCorr{30, 2};
constexpr Columns kWeekCorr{44, 4};

}  // namespace

std::optional<CorrectionPair> yearWeekLinePair(std::string_view line) {
    if (!line.starts_with(kYearWeekLineStart)) return std::nullopt;
    return CorrectionPair{static_cast<std::uint16_t>(parseField(line, kYearCorr)),
                          static_cast<std::uint16_t>(parseField(line, kWeekCorr))};
}

bool isAcceptedPair(const CorrectionPair& pair) {
    const auto& items = kSurveyDateItems;
    return std::any_of(
               items.begin(), items.end(),
               [&](const SurveyDateItem& item) { return item.pair.YearCorr == pair.YearCorr; }) &&
           std::any_of(items.begin(), items.end(), [&](const SurveyDateItem& item) {
               return item.pair.WeekCorr == pair.WeekCorr;
           });
}

PairSearchResult searchCorrectionPair(LineReader& reader,
                                      const std::function<void(const CorrectionPair&)>& log) {
    PairSearchResult result;
    while (!reader.atEnd()) {
        const std::optional<CorrectionPair> pair = yearWeekLinePair(reader.next());
        if (!pair) continue;
        result = {*pair, isAcceptedPair(*pair)};
        log(*pair);
    }
    return result;
}

}  // namespace chronoflip
