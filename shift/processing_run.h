#pragma once

#include <string>
#include <string_view>

#include "core/file_system.h"
#include "shift/date_corrections.h"
#include "shift/run_host.h"

namespace chronoflip {

inline constexpr std::string_view kFinishedBanner =
    "                       --- F I N I S H E D ---";
inline constexpr std::string_view kInvalidFileType = "Invalid File Type";

// "Chronoflip 1.8   18/02/2016": the caption's last three characters are the version.
std::string modificationStamp(std::string_view caption, std::string_view dateText);

// Rewrites every file the host lists, in order, and applies the output mode to each.
// The first error ends the run: it propagates after the files in hand are closed, with
// nothing renamed for that file and no later file touched.
void runProcessing(RunHost& host, DateCorrections& corrections, FileSystem& files);

}  // namespace chronoflip
