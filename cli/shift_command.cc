#include "cli/shift_command.h"

#include <cstdio>
#include <exception>

#include "cli/terminal_run_observer.h"
#include "core/console.h"
#include "core/correction_pair.h"
#include "core/error.h"
#include "core/file_system.h"
#include "core/short_date.h"
#include "shift/processing_run.h"

namespace chronoflip {

int runShiftCommand(const std::vector<std::string>& files, OutputMode outputMode,
                    KeptSystems systems) {
    LocalFileSystem fileSystem;
    CorrectionPair corrections;
    TerminalRunObserver observer(stdout, stderr, isTerminal(stderr));
    try {
        runProcessing({files, outputMode, shortDateText(localNow()), systems}, observer,
                      corrections, fileSystem);
    } catch (const Error& error) {
        observer.clearProgress();
        // In a batch of hundreds of files the message alone would not say which one failed:
        // a failure that names no file of its own belongs to the file in hand.
        const Error named = error.path().empty()
                                ? Error(error.what(), observer.currentFile(), error.code())
                                : error;
        std::fprintf(stderr, "%s\n", withPath(named).c_str());
        return 1;
    } catch (const std::exception& error) {
        observer.clearProgress();
        std::fprintf(stderr, "%s\n", withPath(Error(error.what(), observer.currentFile())).c_str());
        return 1;
    }
    return 0;
}

}  // namespace chronoflip
