#include "shell_command.h"

#include <cstdio>

#include "temp_folder.h"

#ifdef _WIN32
#include "core/paths.h"
#else
#include <sys/wait.h>
#endif

namespace chronoflip::testing {

namespace {

int exitStatus(int status) {
#ifdef _WIN32
    return status;  // _pclose gives the command's exit code itself
#else
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

// The command as UTF-8 text, as the program's paths are.
FILE* openPipe(const std::string& command) {
#ifdef _WIN32
    // cmd.exe drops the first and the last quote of a command line that starts with one,
    // so the whole line gets a pair of its own; the path type turns UTF-8 into wide text.
    return _wpopen(toNativePath("\"" + command + "\"").c_str(), L"r");
#else
    return popen(command.c_str(), "r");
#endif
}

int closePipe(FILE* pipe) {
#ifdef _WIN32
    return _pclose(pipe);
#else
    return pclose(pipe);
#endif
}

}  // namespace

CommandResult runShellCommand(const std::string& command, const std::string& errPath) {
    CommandResult result;
    FILE* pipe = openPipe(command + " 2>" + quoted(errPath));
    if (pipe == nullptr) return result;
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) result.out.append(buffer, n);
    result.status = exitStatus(closePipe(pipe));
    result.err = readText(errPath);
    return result;
}

std::string quoted(const std::string& text) {
#ifdef _WIN32
    return "\"" + text + "\"";
#else
    return "'" + text + "'";
#endif
}

}  // namespace chronoflip::testing
