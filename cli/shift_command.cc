#include "cli/shift_command.h"

#include <cstdio>
#include <exception>

#include "cli/terminal_run_host.h"
#include "core/console.h"
#include "core/error.h"
#include "core/file_system.h"
#include "shift/date_corrections.h"
#include "shift/processing_run.h"

namespace chronoflip {

int runShiftCommand(const std::vector<std::string>& files, int outputMode) {
    LocalFileSystem fileSystem;
    DateCorrections corrections;
    TerminalRunHost host(files, outputMode, fileSystem, stdout, stderr, isTerminal(stderr));
    try {
        runProcessing(host, corrections, fileSystem);
    } catch (const Error& error) {
        host.clearProgress();
        // In a batch of hundreds of files the message alone would not say which one failed:
        // a failure that names no file of its own belongs to the file in hand.
        const Error named =
            error.path().empty() ? Error(error.what(), host.currentFile(), error.code()) : error;
        std::fprintf(stderr, "%s\n", withPath(named).c_str());
        return 1;
    } catch (const std::exception& error) {
        host.clearProgress();
        std::fprintf(stderr, "%s\n", withPath(Error(error.what(), host.currentFile())).c_str());
        return 1;
    }
    return 0;
}

}  // namespace chronoflip
