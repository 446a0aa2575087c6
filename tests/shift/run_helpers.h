#pragma once

#include <string>
#include <vector>

#include "recording_host.h"
#include "shift/date_corrections.h"
#include "temp_folder.h"

namespace chronoflip::testing {

// A RINEX header record: text padded to 60 columns, then the label.
std::string record(const std::string& text, const std::string& label);

struct RunOutcome {
    RecordingHost host;
    std::string error;      // empty when the run finished
    std::string errorPath;  // the file the error names, if it names one
};

// Runs the processing run over the given paths, as the Process button would.
RunOutcome runFiles(const std::vector<std::string>& paths, int mode, DateCorrections& corrections);

// Writes one source into the folder, runs it in mode 0 with a fresh correction pair and
// returns the work file's bytes; a failed run fails the test.
std::string shiftOne(const TempFolder& folder, const std::string& name, const std::string& bytes);

// The error message a run over one such source ends with, or "" when it finished.
std::string shiftError(const TempFolder& folder, const std::string& name, const std::string& bytes,
                       int mode = 0);

}  // namespace chronoflip::testing
