#include "shell_command.h"

#include <sys/wait.h>

#include <cstdio>

#include "temp_folder.h"

namespace chronoflip::testing {

CommandResult runShellCommand(const std::string& command, const std::string& errPath) {
    CommandResult result;
    FILE* pipe = popen((command + " 2>" + quoted(errPath)).c_str(), "r");
    if (pipe == nullptr) return result;
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) result.out.append(buffer, n);
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.err = readBytes(errPath);
    return result;
}

std::string quoted(const std::string& text) {
    return "'" + text + "'";
}

}  // namespace chronoflip::testing
