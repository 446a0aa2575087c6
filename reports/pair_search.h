#pragma once

#include <functional>

#include "core/correction_pair.h"
#include "core/line_reader.h"

namespace chronoflip {

// Each value is checked against the values the survey-date table uses, on its own.
bool isAcceptedPair(const CorrectionPair& pair);

struct PairSearchResult {
    CorrectionPair pair;
    bool found = false;
};

// Reads every line to the end: each year/week line of a RINEX comment block replaces the
// result, so the last one decides the pair and whether it is accepted. `log` hears of
// every such line.
PairSearchResult searchCorrectionPair(LineReader& reader,
                                      const std::function<void(const CorrectionPair&)>& log);

}  // namespace chronoflip
