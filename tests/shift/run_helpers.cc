#include "run_helpers.h"

#include "core/error.h"

#include <gtest/gtest.h>

#include "core/file_system.h"
#include "core/paths.h"
#include "shift/processing_run.h"

namespace chronoflip::testing {

std::string record(const std::string& text, const std::string& label) {
    std::string line = text;
    line.resize(60, ' ');
    return line + label;
}

RunOutcome runFiles(const std::vector<std::string>& paths, int mode, DateCorrections& corrections) {
    RunOutcome outcome;
    outcome.host.files = paths;
    outcome.host.mode = mode;
    LocalFileSystem files;
    try {
        runProcessing(outcome.host, corrections, files);
    } catch (const Error& e) {
        outcome.error = e.what();
        outcome.errorPath = e.path();
    }
    return outcome;
}

std::string shiftOne(const TempFolder& folder, const std::string& name, const std::string& bytes) {
    const std::string source = folder.write(name, bytes);
    DateCorrections corrections;
    const RunOutcome outcome = runFiles({source}, 0, corrections);
    EXPECT_EQ(outcome.error, "");
    return readBytes(workFilePath(source));
}

std::string shiftError(const TempFolder& folder, const std::string& name, const std::string& bytes,
                       int mode) {
    const std::string source = folder.write(name, bytes);
    DateCorrections corrections;
    const std::string error = runFiles({source}, mode, corrections).error;
    EXPECT_EQ(readBytes(source), bytes) << "the source must never change on failure";
    return error;
}

}  // namespace chronoflip::testing
