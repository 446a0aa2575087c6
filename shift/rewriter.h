#pragma once

#include <cstdint>
#include <string>

#include "core/calendar.h"
#include "core/file_system.h"
#include "core/line_reader.h"
#include "core/line_writer.h"
#include "shift/date_corrections.h"
#include "shift/run_host.h"

namespace chronoflip {

enum OutputMode : int { kKeepWorkFile = 0, kYearInExtension = 1, kOverwriteWithBackup = 2 };

// Per-file values of a run, started afresh for each source.
struct FileContext {
    std::string sourcePath;
    std::string outputPath;     // the plain name the copy is named from: the source's own,
                                // or abcd0480.16o for abcd0480.16d.Z
    char kind = 0;              // kind letter of the decoded text, lower-cased
    CalendarDate firstDate;     // 0 until the rewriter has read it
    std::int32_t gpsWeek = 0;   // navigation and SP3 files only
    std::string yearExtension;  // built only in output mode 1
};

// Everything one rewriter call works with. The rewriter reads the source to its end,
// writes the work file, calls SetDateCorrections with the first date and advances the
// progress; any failure throws and leaves what was written so far.
struct RewriteJob {
    LineReader& source;
    LineWriter& work;
    FileContext& file;
    const std::string& stamp;
    int outputMode;
    std::int32_t lineCount;  // the preview's count, the observation progress maximum
    ProgressSink& progress;
    DateCorrections& corrections;
    FileSystem& files;  // the navigation look-ahead opens the source a second time
};

using Rewriter = void (*)(RewriteJob&);

void rewriteObservation(RewriteJob& job);
void rewriteNavigation(RewriteJob& job);
void rewriteSp3(RewriteJob& job);

}  // namespace chronoflip
