#include "reports/pair_search.h"

#include <algorithm>
#include <optional>

#include "core/year_week_line.h"
#include "reports/survey_date.h"

namespace chronoflip {

bool isAcceptedPair(const CorrectionPair& pair) {
    const auto& items = kSurveyDateItems;
    return std::any_of(items.begin(), items.end(),
                       [&](const SurveyDateItem& item) { return item.pair.years == pair.years; }) &&
           std::any_of(items.begin(), items.end(),
                       [&](const SurveyDateItem& item) { return item.pair.weeks == pair.weeks; });
}

PairSearchResult searchCorrectionPair(LineReader& reader,
                                      const std::function<void(const CorrectionPair&)>& log) {
    PairSearchResult result;
    while (!reader.atEnd()) {
        const std::optional<CorrectionPair> pair = readRinexYearWeekLine(reader.next());
        if (!pair) continue;
        result = {*pair, isAcceptedPair(*pair)};
        log(*pair);
    }
    return result;
}

}  // namespace chronoflip
