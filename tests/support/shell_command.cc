#include "shell_command.h"

#include <cstdio>

#include "temp_folder.h"

#ifdef _WIN32
#define popen _popen
#define pclose _pclose
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

// cmd.exe drops the first and the last quote of a command line that starts with one, so the
// whole line gets a pair of its own.
std::string shellLine(const std::string& command) {
#ifdef _WIN32
    return "\"" + command + "\"";
#else
    return command;
#endif
}

}  // namespace

CommandResult runShellCommand(const std::string& command, const std::string& errPath) {
    CommandResult result;
    FILE* pipe = popen(shellLine(command + " 2>" + quoted(errPath)).c_str(), "r");
    if (pipe == nullptr) return result;
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) result.out.append(buffer, n);
    result.status = exitStatus(pclose(pipe));
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
