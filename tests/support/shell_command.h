#pragma once

#include <string>

namespace chronoflip::testing {

struct CommandResult {
    int status = -1;  // exit status, -1 when the command did not exit normally
    std::string out;
    std::string err;
};

// Runs a shell command, collecting standard output, and standard error through errPath.
CommandResult runShellCommand(const std::string& command, const std::string& errPath);

// The text in single quotes for the shell (text holding no single quote).
std::string quoted(const std::string& text);

}  // namespace chronoflip::testing
