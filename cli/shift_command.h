#pragma once

#include <string>
#include <vector>

#include "shift/rewriter.h"

namespace chronoflip {

// Shifts the files in the order given; returns the exit status: 0 when the run finished,
// 1 when an error ended it (its message on standard error).
int runShiftCommand(const std::vector<std::string>& files, int outputMode);

}  // namespace chronoflip
