#pragma once

#include <cstdint>

namespace chronoflip {

// Years and GPS weeks a report's times are moved forward by. Each reset has its own pair,
// apart from the processing run's.
struct CorrectionPair {
    std::uint16_t YearCorr = 0;
    std::uint16_t WeekCorr = 0;

    friend bool operator==(const CorrectionPair&, const CorrectionPair&) = default;
};

}  // namespace chronoflip
