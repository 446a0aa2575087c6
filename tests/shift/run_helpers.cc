#include "run_helpers.h"

#include "core/error.h"

#include <gtest/gtest.h>

#include "core/file_system.h"
#include "core/paths.h"
#include "shift/processing_run.h"

namespace chronoflip::testing {

std::string modeName(OutputMode mode) {
    return "mode " + std::to_string(static_cast<int>(mode));
}

std::string record(const std::string& text, const std::string& label) {
    std::string line = text;
    line.resize(60, ' ');
    return line + label;
}

RunOutcome runFiles(const std::vector<std::string>& paths, OutputMode mode,
                    CorrectionPair& corrections) {
    RunOutcome outcome;
    LocalFileSystem files;
    try {
        runProcessing({paths, mode, "18/02/2016"}, outcome.observer, corrections, files);
    } catch (const Error& e) {
        outcome.error = e.what();
        outcome.errorPath = e.path();
    }
    return outcome;
}

std::string shiftOne(const TempFolder& folder, const std::string& name, const std::string& bytes) {
    const std::string source = folder.write(name, bytes);
    CorrectionPair corrections;
    const RunOutcome outcome = runFiles({source}, OutputMode::kKeepWorkFile, corrections);
    EXPECT_EQ(outcome.error, "");
    return readBytes(workFilePath(source));
}

std::string shiftError(const TempFolder& folder, const std::string& name, const std::string& bytes,
                       OutputMode mode) {
    const std::string source = folder.write(name, bytes);
    CorrectionPair corrections;
    const std::string error = runFiles({source}, mode, corrections).error;
    EXPECT_EQ(readBytes(source), bytes) << "the source must never change on failure";
    return error;
}

}  // namespace chronoflip::testing
