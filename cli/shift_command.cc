#include "cli/shift_command.h"

#include <cstdio>
#include <exception>

#include "cli/terminal_run_host.h"
#include "core/error.h"
#include "core/file_system.h"
#include "shift/date_corrections.h"
#include "shift/processing_run.h"

#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

namespace chronoflip {

int runShiftCommand(const std::vector<std::string>& files, int outputMode) {
    LocalFileSystem fileSystem;
    DateCorrections corrections;
    TerminalRunHost host(files, outputMode, fileSystem, stdout, stderr,
                         isatty(fileno(stderr)) != 0);
    try {
        runProcessing(host, corrections, fileSystem);
    } catch (const InputError& error) {
        host.clearProgress();
        std::fprintf(stderr, "%s\n", error.what());  // names its file already
        return 1;
    } catch (const std::exception& error) {
        host.clearProgress();
        // In a batch of hundreds of files the message alone would not say which one failed.
        const std::string file = host.currentFile();
        if (!file.empty()) std::fprintf(stderr, "%s: ", file.c_str());
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}

}  // namespace chronoflip
