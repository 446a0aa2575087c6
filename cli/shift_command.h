#pragma once

#include <string>
#include <vector>

#include "shift/output_mode.h"

namespace chronoflip {

// Shifts the files in the order given; returns the exit status: 0 when the run finished,
// 1 when an error ended it ("PATH: message" on standard error).
int runShiftCommand(const std::vector<std::string>& files, OutputMode outputMode);

}  // namespace chronoflip
