#pragma once

#include <string>
#include <string_view>

#include "core/correction_pair.h"
#include "core/file_system.h"
#include "core/line_reader.h"
#include "core/line_writer.h"
#include "shift/progress_meter.h"

namespace chronoflip {

// The pair this version shifts every file by, whatever its first date: 28 years are 1461
// GPS weeks (10227 days) between 1901 and 2099. A rewriter sets the run's pair to it as
// soon as it has read the file's first date as a calendar date.
inline constexpr CorrectionPair kShiftPair{28, 1461};

// An observation file's epoch lines have the seconds field's decimal point in column 19; the
// reader of one finds them as it reads.
inline constexpr LineMark kEpochLineMark{18, '.'};

// Everything one rewriter call works with.
struct RewriteJob {
    LineReader& source;
    LineWriter& work;
    // The navigation look-ahead reads the source a second time.
    const std::string& sourcePath;
    FileSystem& files;
    std::string_view stamp;
    // The output mode names the copy by its year: build the year-bearing extension from the
    // first date, which fails for a shifted year below 1900.
    bool buildYearExtension;
    // The run's pair; it keeps its value from file to file and run to run.
    CorrectionPair& corrections;
    ProgressMeter& progress;
};

// A rewriter reads the source to its end and writes the work file; any failure throws and
// leaves what was written so far. Returns the year-bearing extension, empty unless asked.
using Rewriter = std::string (*)(RewriteJob&);

std::string rewriteObservation(RewriteJob& job);
std::string rewriteNavigation(RewriteJob& job);
std::string rewriteSp3(RewriteJob& job);

}  // namespace chronoflip
