#pragma once

#include <string>
#include <vector>

#include "readers/gnss_systems.h"
#include "shift/output_mode.h"

namespace chronoflip {

// Shifts the files in the order given; returns the exit status: 0 when the run finished,
// 1 when an error ended it ("PATH: message" on standard error).
// systems: those RINEX 3 and 4 observation files keep in their RINEX 2.11 copy.
int runShiftCommand(const std::vector<std::string>& files, OutputMode outputMode,
                    KeptSystems systems);

}  // namespace chronoflip
