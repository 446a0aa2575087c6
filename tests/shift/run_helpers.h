#pragma once

#include <string>
#include <vector>

#include "core/correction_pair.h"
#include "recording_run_observer.h"
#include "shift/output_mode.h"
#include "temp_folder.h"

namespace chronoflip::testing {

inline constexpr OutputMode kAllOutputModes[] = {
    OutputMode::kKeepWorkFile, OutputMode::kYearInExtension, OutputMode::kOverwriteWithBackup};

// "mode 1": an output mode in a test's trace.
std::string modeName(OutputMode mode);

// A RINEX header record: text padded to 60 columns, then the label.
std::string record(const std::string& text, const std::string& label);

struct RunOutcome {
    RecordingRunObserver observer;
    std::string error;      // empty when the run finished
    std::string errorPath;  // the file the error names, if it names one
};

// Runs the processing run over the given paths, as the Process button would, stamped
// 18/02/2016.
RunOutcome runFiles(const std::vector<std::string>& paths, OutputMode mode,
                    CorrectionPair& corrections);

// Writes one source into the folder, runs it keeping the e_ work file, with a fresh
// correction pair, and returns the work file's bytes; a failed run fails the test.
std::string shiftOne(const TempFolder& folder, const std::string& name, const std::string& bytes);

// The error message a run over one such source ends with, or "" when it finished.
std::string shiftError(const TempFolder& folder, const std::string& name, const std::string& bytes,
                       OutputMode mode = kDefaultOutputMode);

}  // namespace chronoflip::testing
