#pragma once

#include <functional>
#include <optional>
#include <string_view>

#include "core/line_reader.h"
#include "reports/correction_pair.h"

namespace chronoflip {

// The pair of a year/week line of the RINEX comment block (YearCorr from columns 30-31,
// WeekCorr from columns 44-47, each cut to 16 bits); nothing for any other line.
std::optional<CorrectionPair> yearWeekLinePair(std::string_view line);

// Each value is checked against the values the survey-date table uses, on its own.
bool isAcceptedPair(const CorrectionPair& pair);

struct PairSearchResult {
    CorrectionPair pair;
    bool found = false;
};

// Reads every line to the end: each year/week line replaces the result, so the last one
// decides the pair and whether it is accepted. `log` hears of every such line.
PairSearchResult searchCorrectionPair(LineReader& reader,
                                      const std::function<void(const CorrectionPair&)>& log);

}  // namespace chronoflip
