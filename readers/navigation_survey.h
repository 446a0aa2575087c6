#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "core/file_system.h"
#include "readers/gnss_systems.h"
#include "readers/header_parameter_records.h"
#include "readers/navigation_records.h"

namespace chronoflip {

// What a first reading of a whole navigation text finds, before anything is written. It
// converts as the conversion will, into a buffer it throws away, so every fault shows
// before the first line is written; it counts what is left out, for the header's comments;
// and for a RINEX 4 header that lacks ION ALPHA and ION BETA or DELTA-UTC, it reads them
// from the first GPS LNAV ION record and STO record of code GPUT.
struct NavigationSurvey {
    std::size_t gpsRecords = 0;
    // Ephemerides of other systems, in the order of kSystemLetters (GPS's stays 0).
    std::array<std::size_t, kSystemLetters.size()> otherSystems{};
    // RINEX 4 records of other kinds: GPS CNAV and CNAV-2 ephemerides, ION, STO, EOP.
    std::array<std::size_t, 4> otherKinds{};
    HeaderParameters fromRecords;
};

NavigationSurvey surveyNavigation(InputFile& text, const std::string& path,
                                  NavigationFormat format);

// "7 GLONASS, 6 Galileo; 1 ION, 2 STO": the records the survey found left out, of other
// systems, then of other kinds; empty when there were none.
std::string leftOutText(const NavigationSurvey& survey);

}  // namespace chronoflip
