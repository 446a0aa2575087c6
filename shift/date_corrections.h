#pragma once

#include <cstdint>

#include "core/calendar.h"

namespace chronoflip {

// The correction pair of the processing run. It starts at 0/0 and keeps its value from
// run to run for the program's lifetime; only SetDateCorrections changes it.
struct DateCorrections {
    std::uint16_t YearCorr = 0;
    std::uint16_t WeekCorr = 0;

    // This version always moves dates 28 years, 1461 GPS weeks (10227 days, whole weeks),
    // whatever the file's first date.
    void SetDateCorrections(const CalendarDate&) {
        YearCorr = 28;
        WeekCorr = 1461;
    }
};

}  // namespace chronoflip
