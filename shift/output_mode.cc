#include "output_mode.h"

#include "error.h"
#include "paths.h"

namespace chronoflip {

namespace {

void renameWithYearExtension(FileSystem& files, const FileContext& file) {
    const std::string work = workFilePath(file.sourcePath);
    const std::string target = withExtension(file.sourcePath, file.yearExtension);
    // A source already named like its output (abcd0010.88o holding 2016 data) must not be
    // deleted to make room: then the rename below fails and the source stays as it was.
    if (!files.sameFile(target, file.sourcePath)) files.remove(target);
    if (!files.rename(work, target)) throw Error("Unable to rename " + work + " to " + target);
}

void replaceKeepingBackup(FileSystem& files, const FileContext& file) {
    const std::string& source = file.sourcePath;
    const std::string work = workFilePath(source);
    const std::string backup = backupPath(source);
    const std::string backupFailure = "ErrorNr. 0Unable to rename " + source + " to " + backup;
    // An earlier backup may be the only copy of the original data (a second run over an
    // already replaced file): it is never deleted, and the new copy stays under its e_ name.
    if (files.exists(backup)) throw Error(backupFailure + ": the backup already exists");
    if (!files.rename(source, backup)) throw Error(backupFailure);
    files.remove(source);
    if (!files.rename(work, source)) {
        throw Error("ErrorNr. 0Unable to rename " + work + " to " + source);
    }
}

}  // namespace

void applyOutputMode(FileSystem& files, const FileContext& file, int outputMode) {
    if (outputMode == kYearInExtension && file.kind != '3') {
        renameWithYearExtension(files, file);
    } else if (outputMode == kOverwriteWithBackup) {
        replaceKeepingBackup(files, file);
    }
}

}  // namespace chronoflip
