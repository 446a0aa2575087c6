#include "shift/output_mode.h"

#include "core/error.h"
#include "core/paths.h"

namespace chronoflip {

namespace {

// Runs step; its failure is reported as failure, followed by the system's reason.
template <typename Step>
void explainedAs(const std::string& failure, Step step) {
    try {
        step();
    } catch (const Error& error) {
        throw Error(failure + ": " + error.what(), error.path(), error.code());
    }
}

void renameOrThrow(FileSystem& files, const std::string& from, const std::string& to,
                   const std::string& failure) {
    explainedAs(failure, [&] { files.rename(from, to); });
}

void renameWithYearExtension(FileSystem& files, const ShiftedFile& file) {
    const std::string work = workFilePath(file.outputPath);
    const std::string target = withExtension(file.outputPath, file.yearExtension);
    const std::string failure = "Unable to rename " + work + " to " + target;
    // A source already named like its output (abcd0010.88o holding 2016 data) must not be
    // deleted to make room: then the rename below fails and the source stays as it was.
    if (!files.sameFile(target, file.sourcePath)) {
        explainedAs(failure, [&] { files.remove(target); });
    }
    renameOrThrow(files, work, target, failure);
}

// The copy takes the output name; a file already there (the source itself, unless the
// source was decoded from another name) is kept as its backup. A compressed or Compact
// RINEX source is never moved.
void replaceKeepingBackup(FileSystem& files, const ShiftedFile& file) {
    const std::string& output = file.outputPath;
    const std::string work = workFilePath(output);
    if (output == file.sourcePath || files.exists(output)) {
        const std::string backup = backupPath(output);
        const std::string backupFailure = "ErrorNr. 0Unable to rename " + output + " to " + backup;
        // An earlier backup may be the only copy of the original data (a second run over
        // an already replaced file): it is never deleted, and the new copy stays under its
        // e_ name.
        if (files.exists(backup)) {
            throw Error(backupFailure + ": the backup already exists", backup);
        }
        renameOrThrow(files, output, backup, backupFailure);
    }
    renameOrThrow(files, work, output, "ErrorNr. 0Unable to rename " + work + " to " + output);
}

}  // namespace

bool namesByYear(OutputMode mode, FileKind kind) {
    return mode == OutputMode::kYearInExtension && kind != FileKind::kSp3;
}

void applyOutputMode(FileSystem& files, const ShiftedFile& file, OutputMode mode, FileKind kind) {
    if (namesByYear(mode, kind)) {
        renameWithYearExtension(files, file);
    } else if (mode == OutputMode::kOverwriteWithBackup) {
        replaceKeepingBackup(files, file);
    }
}

}  // namespace chronoflip
