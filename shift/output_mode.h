#pragma once

#include <string>

#include "core/file_system.h"
#include "readers/source_name.h"

namespace chronoflip {

// Where a run puts each shifted copy.
enum class OutputMode {
    // The work file stays beside the source under its e_ name; the source is untouched.
    kKeepWorkFile,
    // RINEX files: the work file takes the source's name with the shifted year in its
    // extension (abcd0480.88o). SP3 files: as kKeepWorkFile.
    kYearInExtension,
    // The source becomes its .bak backup and the work file takes its name.
    kOverwriteWithBackup,
};

// The mode when nothing chose another: the command line's, and the window's when no mode
// is chosen in it or stored for it. It leaves every source as it was.
inline constexpr OutputMode kDefaultOutputMode = OutputMode::kKeepWorkFile;

// A file the run has shifted, for its output mode.
struct ShiftedFile {
    std::string sourcePath;
    std::string outputPath;     // the plain name the copy is named from: the source's own,
                                // or abcd0480.16o for abcd0480.16d.Z
    std::string yearExtension;  // built only when the mode names the copy by its year
};

// The mode names a file of this kind by its shifted year: its rewriter builds the
// year-bearing extension from the first date.
bool namesByYear(OutputMode mode, FileKind kind);

// Puts a finished work file where the output mode wants it; throws the rename's message.
void applyOutputMode(FileSystem& files, const ShiftedFile& file, OutputMode mode, FileKind kind);

}  // namespace chronoflip
