#pragma once

#include <cstdint>

namespace chronoflip {

// Whole years and the GPS weeks that span them: the date shift moves a file's dates back
// by a pair, the report reset moves a report's times forward by one. Each pair moves a
// date by whole weeks, so it keeps its weekday.
struct CorrectionPair {
    std::uint16_t years = 0;
    std::uint16_t weeks = 0;

    friend bool operator==(const CorrectionPair&, const CorrectionPair&) = default;
};

}  // namespace chronoflip
