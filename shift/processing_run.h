#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/correction_pair.h"
#include "core/file_system.h"
#include "readers/gnss_systems.h"
#include "shift/output_mode.h"
#include "shift/run_observer.h"

namespace chronoflip {

inline constexpr std::string_view kFinishedBanner =
    "                       --- F I N I S H E D ---";
inline constexpr std::string_view kInvalidFileType = "Invalid File Type";

// What a processing run is asked to do.
struct RunRequest {
    // Shifted in this order.
    std::vector<std::string> files;
    OutputMode outputMode = kDefaultOutputMode;
    // The day of the run in the user's short date format, as the stamp shows it.
    std::string dateText;
    // The satellite systems RINEX 3 and 4 observation files keep in their RINEX 2.11 copy.
    KeptSystems systems = kDefaultKeptSystems;
};

// "Chronoflip 1.8   18/02/2016": the program and its version, then the day of the run.
std::string modificationStamp(std::string_view dateText);

// Rewrites every file of the request, in order, and applies the output mode to each.
// corrections is the pair the rewriters set from each file's first date; it keeps its value
// from run to run. The first error ends the run: it propagates after the files in hand are
// closed, with nothing renamed for that file and no later file touched.
void runProcessing(const RunRequest& request, RunObserver& observer, CorrectionPair& corrections,
                   FileSystem& files);

}  // namespace chronoflip
