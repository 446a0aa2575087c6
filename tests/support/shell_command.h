#pragma once

#include <string>

namespace chronoflip::testing {

struct CommandResult {
    int status = -1;  // exit status, -1 when the command did not exit normally
    std::string out;
    std::string err;
};

// Runs a shell command, collecting standard output, and standard error through errPath;
// both as text, so Windows line ends read as "\n".
CommandResult runShellCommand(const std::string& command, const std::string& errPath);

// The text quoted for the platform's shell (text holding no quote character).
std::string quoted(const std::string& text);

}  // namespace chronoflip::testing
